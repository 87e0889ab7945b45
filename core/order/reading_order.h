#pragma once
// The order in which a game's cards are read, and how many decisive
// syllables to show at each position.
#include <array>
#include <cstdint>

#include "core/cards/card_selection.h"

namespace fuda {

inline constexpr std::int16_t kNoCard = 999;  // a position without a card

// The fixed pair orders a gesture may ask the next shuffle for.
enum class OrderVariant { PlainShuffle, FirstPairOrder, SecondPairOrder };

struct ReadingOrder {
  // Index = reading position; 1..100 make up a game, 0 is the preface poem.
  std::array<std::int16_t, 102> poem{};
  std::array<double, 101> key{};  // shuffle keys; 2.0 for fillers
  std::array<std::int16_t, 102> decisiveLength{};
};

// The classic linear congruential generator.
class RandomGenerator {
 public:
  void randomize(std::uint32_t seed) { seed_ = seed; }
  int rand15();          // 0..32767
  double randomKey();    // [0, 0.99999]
  std::uint32_t seed() const { return seed_; }

 private:
  std::uint32_t seed_ = 0;
};

// Sorts positions first..last ascending by key, moving the poems along.
void sortPositions(ReadingOrder& order, int first, int last);
// Puts the pairs of a pair order in their fixed order (keys by poem number).
void applyPairOrder(ReadingOrder& order, OrderVariant variant);
// Fills decisiveLength[1..100] from poem[1..100]; 0 for positions without a
// card.
void computeDecisiveLengths(ReadingOrder& order);
// A new shuffle of the selected cards; `seed` is the tick count in the
// program and chosen by tests.
void buildReadingOrder(ReadingOrder& order, const CardSelection& selection,
                       OrderVariant orderVariant, std::uint32_t seed);
// The withdraw's reshuffle: new keys for positions `position`..100 (fillers
// keep sorting last), sorted, then the decisive lengths of the whole order
// recomputed. Stepping the reading position back is the caller's part.
// Does nothing unless `position` is 1..100.
void reshuffleFrom(ReadingOrder& order, int position, std::uint32_t seed);

}  // namespace fuda
