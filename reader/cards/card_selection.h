#pragma once
// The cards of the next game, written by the two selection dialogs, the list
// file and the game reset; read by the reading order and the game reading.
#include <array>
#include <atomic>
#include <cstdint>

namespace fuda {

struct CardSelection {
  // Index = poem number; index 0 is the preface poem.
  std::array<std::int16_t, 101> selected{};
  std::atomic<std::int16_t> selectionActive{0};
  // Doubles as the last position of the game; the GUI thread lowers it to
  // finish a game early while the reading thread reads it.
  std::atomic<std::int16_t> selectedCount{100};
  std::atomic<std::int16_t> thirdChoice{0};

  CardSelection() { reset(); }

  // The no-selection state: all 100 cards play after the whole preface poem.
  void reset() {
    selected.fill(0);
    selected[0] = 1;
    selectionActive = 0;
    selectedCount = 100;
    thirdChoice = 0;
  }

  // Flags set among poems 1..100; the preface poem never counts.
  int countSelected() const {
    int count = 0;
    for (int n = 1; n <= 100; ++n) count += selected[n] == 1 ? 1 : 0;
    return count;
  }
};

}  // namespace fuda
