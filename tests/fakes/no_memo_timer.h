#pragma once
// A memorisation countdown that closes at once, for games that start with one
// but are not about it.
#include "core/countdown/memo_timer_host.h"

namespace fuda::testing {

class NoMemoTimer : public MemoTimerHost {
 public:
  MemoOutcome openMemoTimer() override { return MemoOutcome::ClosedEarly; }
};

}  // namespace fuda::testing
