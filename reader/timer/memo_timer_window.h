#pragma once
// The reader's memorisation timer window ("Timer"): the countdown display,
// the clock hands, and the menu " " with +1 minute, -1 minute and start at
// once, which also opens on a right click. It counts down on the shared
// countdown record and closes itself at zero, early on command, or by its
// close box; only the end at zero marks the memorisation as run out and
// starts the match-start announcement.
#include <QMainWindow>
#include <atomic>
#include <cstdint>

#include "common/announcer.h"
#include "common/clock.h"
#include "common/language.h"
#include "common/memo_countdown.h"

namespace fuda {

class TimerFace;

inline constexpr int kTimerDisplay = 1008;
inline constexpr char kTimerWindowName[] = "Timer";
// The client area of a 600 x 200 window below its caption and menu bar.
inline constexpr QSize kTimerWindowClientSize{594, 155};

// How the window was closed.
enum class TimerEnd { StillOpen, RanOut, Early };

struct MemoTimerWindowPorts {
  Clock& clock;
  Announcer& announcer;
};

class MemoTimerWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window for `owner` (the main window), placed at the owner's
  // top-left corner plus `offset`, and starts the countdown. Not shown yet;
  // whoever shows it keeps it above the owner.
  // `countdown` and `memoState` outlive the window.
  MemoTimerWindow(QWidget* owner, QPoint offset, Language language, MemoLength length,
                  MemoCountdown& countdown, std::atomic<std::int16_t>& memoState,
                  MemoTimerWindowPorts ports);

  // GUI thread: 1245 lengthen, 1246 shorten, 1247 close now; others ignored.
  void dispatchCommand(int id);
  // GUI thread: one tick of the 10 ms timer.
  void tick();

  TimerFace* face() const { return face_; }
  TimerEnd end() const { return end_; }

 signals:
  // Emitted once, when the window has closed by any of its three ways.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  MemoCountdown& countdown_;
  std::atomic<std::int16_t>& memoState_;
  MemoTimerWindowPorts ports_;
  TimerFace* face_ = nullptr;
  TimerEnd end_ = TimerEnd::StillOpen;
  bool closedOnce_ = false;
};

}  // namespace fuda
