#pragma once
// Port: the memorisation countdown that may precede a game. MemoTimer
// implements it over the front end's "Timer" tool window; tests stand in a
// countdown that ends at once or runs out.

namespace fuda {

enum class MemoOutcome {
  RanOut,       // the countdown reached zero: the match-start announcement follows
  ClosedEarly,  // closed by command or close box: the game opens at once
};

class MemoTimerHost {
 public:
  virtual ~MemoTimerHost() = default;
  // GUI thread, inside startReading, before the reading thread exists.
  // Plays the start announcement, shows the countdown window modally and
  // returns how it ended once it has closed.
  virtual MemoOutcome openMemoTimer() = 0;
};

}  // namespace fuda
