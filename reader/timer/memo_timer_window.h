#pragma once
// The reader's memorisation timer window ("Timer"), built into its tool
// window: the countdown display, the clock hands, and the menu " " with
// +1 minute, -1 minute and start at once, which also opens on a right click.
// It counts down on the shared countdown record and closes its window at
// zero, early on command, or by the close box; only the end at zero marks
// the memorisation as run out and starts the match-start announcement.
#include <QObject>
#include <QPoint>
#include <atomic>
#include <cstdint>

#include "common/announcer.h"
#include "common/clock.h"
#include "common/memo_countdown.h"
#include "reader/frame/tool_window.h"

namespace fuda {

class TimerFace;

inline constexpr int kTimerDisplay = 1008;

// How the window was closed.
enum class TimerEnd { StillOpen, RanOut, Early };

struct MemoTimerWindowPorts {
  Clock& clock;
  Announcer& announcer;
};

class MemoTimerWindow : public QObject {
  Q_OBJECT

 public:
  // Builds the controls and the menu bar into `window` (which owns this),
  // places it at its owner's top-left corner plus `offset` and starts the
  // countdown. GUI thread, like everything here. `countdown` and
  // `memoState` outlive the window.
  MemoTimerWindow(ToolWindow& window, QPoint offset, MemoLength length, MemoCountdown& countdown,
                  std::atomic<std::int16_t>& memoState, MemoTimerWindowPorts ports);

  // 1245 lengthen, 1246 shorten, 1247 close now; others ignored.
  void dispatchCommand(int id);
  // One tick of the 10 ms timer.
  void tick();

  TimerFace* face() const { return face_; }
  TimerEnd end() const { return end_; }

 private:
  // Every way of closing ends here, and through closeToolWindow.
  void finish(TimerEnd end);

  ToolWindow& window_;
  MemoCountdown& countdown_;
  std::atomic<std::int16_t>& memoState_;
  MemoTimerWindowPorts ports_;
  TimerFace* face_ = nullptr;
  TimerEnd end_ = TimerEnd::StillOpen;
};

}  // namespace fuda
