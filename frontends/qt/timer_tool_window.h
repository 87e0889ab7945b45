#pragma once
// The reader's memorisation timer window ("Timer"), built into its tool
// window: the countdown display, the clock hands, and the menu " " with
// +1 minute, -1 minute and start at once, which also opens on a right click.
// It draws and forwards: the countdown itself is the CountdownRun's.
#include <QObject>

#include "core/countdown/timer_offsets.h"
#include "core/countdown/memo_timer.h"
#include "frontends/qt/tool_window.h"

namespace fuda {

class TimerFace;

inline constexpr int kTimerDisplay = 1008;

class TimerToolWindow : public QObject {
  Q_OBJECT

 public:
  // Builds the controls and the menu bar into `window` (which owns this),
  // places it at its owner's top-left corner plus `offsets` and begins the
  // run. GUI thread, like everything here.
  TimerToolWindow(ToolWindow& window, TimerOffsets offsets, CountdownRun& run);

  TimerFace* face() const { return face_; }

 private:
  void act(TimerWindowAction action);

  ToolWindow& window_;
  CountdownRun& run_;
  TimerFace* face_ = nullptr;
};

// Registers the "Timer" window over the run `timer` opens; the timer
// outlives the registry's use of it.
void registerTimerToolWindow(ToolWindowRegistry& registry, MemoTimer& timer);

}  // namespace fuda
