#pragma once
// The reader's memorisation timer window ("Timer"), built into its tool
// window: the countdown display, the clock hands, and the menu " " with
// +1 minute, -1 minute and start at once, which also opens on a right click.
// It draws the CountdownRun of the open countdown and forwards the ticks,
// the commands and the close box to it; it closes when the run says so.
#include <optional>

#include "core/countdown/timer_offsets.h"
#include "core/countdown/memo_timer.h"
#include "frontends/win32/timer_face.h"
#include "frontends/win32/tool_window.h"

namespace fuda {

inline constexpr int kTimerDisplay = 1008;

class MemoTimerWindow : public ToolWindowContent {
 public:
  // Builds the face and the menu bar into `window`, places it at its
  // owner's top-left corner plus `offsets` and begins the run. GUI thread,
  // like everything here.
  MemoTimerWindow(ToolWindow& window, CountdownRun& run, TimerOffsets offsets);

  std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void act(TimerWindowAction action);

  ToolWindow& window_;
  CountdownRun& run_;
  std::optional<TimerFace> face_;
};

// Registers the window under "Timer" over the countdown that `timer` holds
// while it is open; `timer` outlives the registry.
void registerMemoTimerWindow(ToolWindowRegistry& registry, MemoTimer& timer);

}  // namespace fuda
