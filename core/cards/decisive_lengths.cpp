#include "core/cards/decisive_lengths.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/cards/poem_count.h"
#include "core/cards/poem_readings.h"
#include "core/cards/recited_morae.h"

namespace fuda {

namespace {

using SharedMorae = std::array<std::array<std::int16_t, kPoemSlots>, kPoemSlots>;

// How many opening morae the upper verses of poems a and b share, for every
// pair of the hundred.
SharedMorae sharedOpenings() {
  std::array<std::vector<std::string>, kPoemSlots> morae;
  for (int n = 1; n <= kPoemCount; ++n) morae[n] = recitedMorae(poemReading(n).upperVerse);
  SharedMorae shared{};
  for (int a = 1; a <= kPoemCount; ++a) {
    for (int b = 1; b <= kPoemCount; ++b) {
      const auto [endA, endB] = std::mismatch(morae[a].begin(), morae[a].end(),
                                              morae[b].begin(), morae[b].end());
      shared[a][b] = static_cast<std::int16_t>(endA - morae[a].begin());
    }
  }
  return shared;
}

}  // namespace

void decisiveLengths(std::span<const std::int16_t> poems, std::span<std::int16_t> lengths) {
  static const SharedMorae shared = sharedOpenings();
  std::array<bool, kPoemSlots> alreadyRead{};
  for (std::size_t turn = 0; turn < poems.size() && turn < lengths.size(); ++turn) {
    const std::int16_t n = poems[turn];
    if (n < 1 || n > kPoemCount || alreadyRead[n]) {
      lengths[turn] = 0;
      continue;
    }
    alreadyRead[n] = true;
    std::int16_t longest = 0;
    for (int m = 1; m <= kPoemCount; ++m) {
      if (!alreadyRead[m]) longest = std::max(longest, shared[n][m]);
    }
    lengths[turn] = static_cast<std::int16_t>(longest + 1);
  }
}

}  // namespace fuda
