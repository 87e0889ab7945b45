#pragma once
// The memorisation countdown as the engine sees it: counts its openings and,
// unless a test gives it a countdown to run, closes at once.
#include <functional>

#include "core/countdown/memo_timer_host.h"

namespace fuda::testing {

class FakeMemoTimer : public MemoTimerHost {
 public:
  // GUI thread, inside the start of a game.
  MemoOutcome openMemoTimer() override {
    ++opened;
    return countdown ? countdown() : MemoOutcome::ClosedEarly;
  }
  int opened = 0;
  std::function<MemoOutcome()> countdown;  // runs "inside" the modal window
};

}  // namespace fuda::testing
