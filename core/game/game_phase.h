#pragma once
// Where a game stands, as the engine publishes it to the main window, which
// enables its controls from it (core/screen/phase_controls.h).

namespace fuda {

enum class GamePhase {
  // No game: before the first, after one ended, after a test reading.
  NoGame,
  // A game has started: the memorisation and the lead-in before the preface.
  Opening,
  // A reading step plays (the preface or a card).
  Reading,
  // A game waits for "Next" (or for the automatic interval).
  BetweenCards,
  // The preface was stopped: the game is undone, and only a start without
  // memorisation is offered.
  OpeningStopped,
  TestReading,
};

}  // namespace fuda
