#pragma once
// The memorisation before a game: the start announcement, the pause while
// it is heard, and the "Timer" tool window run modally over the main window.
// The countdown record lives here, so a new window's clock hands first show
// the time the previous one saw last.
#include <QPoint>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string_view>

#include "common/announcer.h"
#include "common/clock.h"
#include "common/memo_countdown.h"
#include "common/ui/input_free_wait.h"
#include "reader/engine/memo_timer_host.h"
#include "reader/frame/tool_window.h"

class QWidget;

namespace fuda {

// Opens the named tool window over `owner` and returns once it has closed:
// showToolWindow with the program's registry.
using ToolWindowOpener = std::function<int(QWidget* owner, std::string_view name)>;

inline constexpr double kStartPauseMs = 4000.0;  // the start announcement is heard

struct MemoTimerSetup {
  QWidget* mainWindow;                             // the owner
  std::atomic<std::int16_t>& memoState;            // of the reading state
  const std::atomic<std::int16_t>& thirdChoice;    // of the card selection
  QPoint offset;                                   // [Timer] Posx, Posy
  Clock& clock;
  Announcer& announcer;
  InputFreePause pause;
  ToolWindowOpener openWindow;
};

class MemoTimer : public MemoTimerHost {
 public:
  explicit MemoTimer(MemoTimerSetup setup) : setup_(std::move(setup)) {}

  // GUI thread, inside the start of a game before its reading thread
  // exists. Does nothing unless memoState is 1. Returns once the window has
  // closed: memoState is then 2 if the countdown ran out, still 1 if it was
  // closed early.
  void openMemoTimer() override;

  // GUI thread: the builder of the "Timer" window, counting down the
  // memorisation that openMemoTimer announced.
  void buildWindow(ToolWindow& window);

  const MemoCountdown& countdown() const { return countdown_; }

 private:
  MemoTimerSetup setup_;
  MemoCountdown countdown_;
  MemoLength length_ = MemoLength::Full;
};

// Registers `timer`'s window under "Timer"; the timer outlives the registry's
// use of it.
void registerMemoTimerWindow(ToolWindowRegistry& registry, MemoTimer& timer);

}  // namespace fuda
