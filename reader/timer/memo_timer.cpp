#include "reader/timer/memo_timer.h"

#include "reader/engine/reading_state.h"
#include "reader/timer/memo_timer_window.h"

namespace fuda {

void MemoTimer::openMemoTimer() {
  if (setup_.memoState.load() != kStartWithMemo) return;
  length_ = memoLengthFor(setup_.thirdChoice.load());
  setup_.announcer.announce(startAnnouncement(length_));
  setup_.pause(kStartPauseMs);
  setup_.openWindow(setup_.mainWindow, kTimerWindowName);
}

void MemoTimer::buildWindow(ToolWindow& window) {
  new MemoTimerWindow(window, setup_.offset, length_, countdown_, setup_.memoState,
                      MemoTimerWindowPorts{setup_.clock, setup_.announcer});
}

void registerMemoTimerWindow(ToolWindowRegistry& registry, MemoTimer& timer) {
  registry.add(kTimerWindowName, [&timer](ToolWindow& window) { timer.buildWindow(window); });
}

}  // namespace fuda
