#pragma once
// The game in progress kept in the program's folder as it moves on, so that
// a reload or a closed tab loses nothing: the bridge keeps the file in the
// browser's storage, and at the next start the page offers to go on with it
// at the same card.
#include <filesystem>

#include "core/game/game_phase.h"
#include "core/game/reader_program.h"

namespace fuda {

class KeptGame {
 public:
  KeptGame(ReaderProgram& program, std::filesystem::path file)
      : program_(program), file_(std::move(file)) {}

  // Core thread, as everything here: the game has reached `phase`. True when
  // the file changed.
  bool phaseShown(GamePhase phase);
  // Goes on with the kept game; false, and the file is dropped, when there
  // is none or it cannot be played.
  bool resume();

 private:
  ReaderProgram& program_;
  std::filesystem::path file_;
  // A game was kept since the start: the kept file from an earlier visit
  // stays until the page has asked about it.
  bool kept_ = false;
};

}  // namespace fuda
