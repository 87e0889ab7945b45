#pragma once
// The memorisation before a game: the start announcement, the pause while
// it is heard, and the countdown window run modally over the main window.
// The countdown record lives here, so a new window's clock hands first show
// the time the previous one saw last.
#include <QPoint>
#include <atomic>
#include <cstdint>
#include <functional>

#include "common/announcer.h"
#include "common/clock.h"
#include "common/language.h"
#include "common/memo_countdown.h"
#include "common/ui/input_free_wait.h"
#include "reader/engine/memo_timer_host.h"

class QWidget;

namespace fuda {

// Shows `window` modally over `owner` (the owner takes no input meanwhile)
// and returns once the window has closed.
using ToolWindowRunner = std::function<void(QWidget* owner, QWidget* window)>;

// GUI thread. A runner with a nested event loop: the owner is disabled, the
// window shown above it, and the loop ends when the window is hidden by its
// closing (or when the application quits).
void runToolWindow(QWidget* owner, QWidget* window);

inline constexpr double kStartPauseMs = 4000.0;  // the start announcement is heard

struct MemoTimerSetup {
  Language language;
  QWidget* mainWindow;                             // the owner; may be null in tests
  std::atomic<std::int16_t>& memoState;            // of the reading state
  const std::atomic<std::int16_t>& thirdChoice;    // of the card selection
  QPoint offset;                                   // [Timer] Posx, Posy
  Clock& clock;
  Announcer& announcer;
  InputFreePause pause;
  ToolWindowRunner runWindow;
};

class MemoTimer : public MemoTimerHost {
 public:
  explicit MemoTimer(MemoTimerSetup setup) : setup_(std::move(setup)) {}

  // GUI thread, inside the start of a game before its reading thread
  // exists. Does nothing unless memoState is 1. Returns once the window has
  // closed: memoState is then 2 if the countdown ran out, still 1 if it was
  // closed early.
  void openMemoTimer() override;

  const MemoCountdown& countdown() const { return countdown_; }

 private:
  MemoTimerSetup setup_;
  MemoCountdown countdown_;
};

}  // namespace fuda
