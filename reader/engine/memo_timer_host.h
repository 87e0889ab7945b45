#pragma once
// Port: the memorisation countdown that may precede a game. The timer window
// implements it; tests stand in a countdown that ends at once or runs out.

namespace fuda {

class MemoTimerHost {
 public:
  virtual ~MemoTimerHost() = default;
  // GUI thread, inside startReading, before the reading thread exists; only
  // called while memoState is 1. Plays the start announcement, shows the
  // countdown window modally and returns once it has closed. A countdown that
  // ran out sets memoState to 2 (the opening then waits for the match-start
  // announcement); closing it early leaves memoState at 1.
  virtual void openMemoTimer() = 0;
};

}  // namespace fuda
