#pragma once
// The game's state shared by the GUI thread and the reading thread. Each
// field is atomic, read and written whole; no other locking is needed. The
// player's settings are kept apart from what changes as a game goes on.
#include <atomic>
#include <cstdint>

#include "core/cards/poem_count.h"
#include "core/game/game_phase.h"
#include "core/game/read_mode_value.h"
#include "core/order/reading_order.h"

namespace fuda {

// Whether a reading thread plays, and whether it has been asked to stop.
enum class Busy { Idle, Playing, StopRequested };
// Whether the next game shuffles its cards or reads a loaded list's order.
enum class OrderPrepared { ShuffleAtStart, OrderLoaded };
// Whether the next game opens with the memorisation, and whether it ran out
// (then the match-start announcement comes first).
enum class MemoState { StartWithoutMemo, StartWithMemo, MemoRanOut };

// Written on the GUI thread only (settings file, menus, slider); the reading
// thread reads them as it goes. The reading mode is not among them: an
// automatic loop marks it as its own (AutoLoopRunning), and that claim and the
// player's change back to manual must meet on one atomic.
struct ReadingSettings {
  std::atomic<double> interval{3.0};            // seconds between automatic readings
  std::atomic<std::int32_t> timingPause{1000};  // ms between lower and upper verse
};

struct ReadingState {
  ReadingSettings settings;
  // A game (or a test reading) is on, from its opening to its end.
  std::atomic<bool> running{false};
  std::atomic<Busy> busy{Busy::Idle};
  std::atomic<ReadMode> mode{ReadMode::Manual};
  std::atomic<std::int16_t> position{0};
  // The position the next game's opening reads first: 1, or the current
  // card of a game cut short that goes on. The opening puts it back to 1.
  std::atomic<std::int16_t> openingPosition{1};
  // The last position the game reads: the cards of its order, lowered by
  // "Exit" to end the game after the current card.
  std::atomic<std::int16_t> lastPosition{kPoemCount};
  std::atomic<MemoState> memoState{MemoState::StartWithoutMemo};
  std::atomic<double> waitStep{0.0};      // ms, interval wait tick
  std::atomic<double> waitRest{0.0};      // ms, interval wait remainder
  std::atomic<OrderVariant> orderVariant{OrderVariant::PlainShuffle};
  std::atomic<OrderPrepared> orderPrepared{OrderPrepared::ShuffleAtStart};
  // Published by the engine as a game moves on.
  std::atomic<GamePhase> phase{GamePhase::NoGame};

  bool idle() const { return !running.load() && busy.load() == Busy::Idle; }
};

}  // namespace fuda
