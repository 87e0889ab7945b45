#pragma once
// The game's state shared by the GUI thread and the reading thread. Each
// field is atomic, read and written whole; no other locking is needed. The
// reading mode, the interval and the pause are the player's settings; the
// rest changes as a game goes on.
#include <atomic>
#include <cstdint>

#include "core/cards/poem_count.h"
#include "core/game/game_phase.h"
#include "core/game/read_mode_value.h"
#include "core/order/reading_order.h"

namespace fuda {

enum Busy : std::int16_t { kIdle = 0, kPlaying = 1, kStopRequested = 2 };
// Whether the next game shuffles its cards or reads a loaded list's order.
enum OrderPrepared : std::int16_t { kShuffleAtStart = 0, kOrderLoaded = 1 };
enum MemoState : std::int16_t {
  kStartWithoutMemo = 0,
  kStartWithMemo = 1,
  kMemoRanOut = 2,
};

struct ReadingState {
  // A game (or a test reading) is on, from its opening to its end.
  std::atomic<bool> running{false};
  std::atomic<Busy> busy{kIdle};
  std::atomic<ReadMode> mode{ReadMode::Manual};
  std::atomic<std::int16_t> position{0};
  // The position the next game's opening reads first: 1, or the current
  // card of a game cut short that goes on. The opening puts it back to 1.
  std::atomic<std::int16_t> openingPosition{1};
  // The last position the game reads: the cards of its order, lowered by
  // "Exit" to end the game after the current card.
  std::atomic<std::int16_t> lastPosition{kPoemCount};
  std::atomic<MemoState> memoState{kStartWithoutMemo};
  std::atomic<double> interval{3.0};      // seconds
  std::atomic<double> waitStep{0.0};      // ms, interval wait tick
  std::atomic<double> waitRest{0.0};      // ms, interval wait remainder
  std::atomic<std::int32_t> timingPause{1000};  // ms
  std::atomic<std::int16_t> orderVariant{kPlainShuffle};
  std::atomic<OrderPrepared> orderPrepared{kShuffleAtStart};
  // Published by the engine as a game moves on.
  std::atomic<GamePhase> phase{GamePhase::NoGame};

  bool idle() const { return !running.load() && busy.load() == kIdle; }
};

}  // namespace fuda
