#pragma once
// The cards of the next game, written by the two selection dialogs, the list
// file and the game reset; read by the reading order and the game reading.
#include <array>
#include <atomic>
#include <cstdint>

#include "core/cards/poem_count.h"

namespace fuda {

struct CardSelection {
  // Index = poem number; index 0 is the preface poem.
  std::array<bool, kPoemSlots> selected{};
  // Whether the next shuffle takes the chosen cards or all of them.
  std::atomic<bool> selectionActive{false};
  // How many cards the dialogs or the list file chose.
  std::atomic<std::int16_t> selectedCount{kPoemCount};
  std::atomic<std::int16_t> thirdChoice{0};

  CardSelection() { reset(); }

  // The no-selection state: all 100 cards play after the whole preface poem.
  void reset() {
    selected.fill(false);
    selected[0] = true;
    selectionActive = false;
    selectedCount = kPoemCount;
    thirdChoice = 0;
  }

  // Flags set among poems 1..100; the preface poem never counts.
  int countSelected() const {
    int count = 0;
    for (int n = 1; n <= kPoemCount; ++n) count += selected[n] ? 1 : 0;
    return count;
  }
};

}  // namespace fuda
