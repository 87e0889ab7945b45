#include "core/order/reading_order.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "core/cards/decisive_lengths.h"

namespace fuda {

namespace {

// Sorts after every random key (those stay below 1.0), so the cards that do
// not take part end up behind all the cards that do.
constexpr double kFillerKey = 2.0;

struct CardPair {
  std::int16_t first;  // read before `second`
  std::int16_t second;
};

// The two fixed pair lists; pairs are applied one after the other, so a later
// pair may move a key an earlier one has set.
constexpr std::array<CardPair, 44> kFirstPairOrderPairs = {{
    {87, 57}, {18, 77}, {74, 65}, {23, 13}, {40, 37}, {100, 66}, {71, 46},
    {21, 63}, {75, 42}, {35, 99}, {50, 15}, {96, 9},   {2, 67},  {59, 47},
    {32, 28}, {85, 62}, {93, 83}, {51, 6},  {98, 48},  {90, 14}, {14, 94},
    {49, 27}, {16, 34}, {73, 55}, {4, 89},  {41, 10},  {97, 24}, {29, 68},
    {72, 82}, {5, 26},  {60, 95}, {95, 44}, {38, 54},  {8, 92},  {76, 11},
    {80, 84}, {53, 86}, {88, 19}, {79, 1},  {31, 64},  {12, 7},  {78, 45},
    {30, 58}, {56, 69},
}};

constexpr std::array<CardPair, 44> kSecondPairOrderPairs = {{
    {87, 57}, {77, 18}, {65, 74}, {13, 23}, {37, 40},  {66, 100}, {46, 71},
    {63, 21}, {42, 75}, {99, 35}, {15, 50}, {96, 9},   {67, 2},   {59, 47},
    {32, 28}, {85, 62}, {83, 93}, {51, 6},  {48, 98},  {90, 14},  {14, 94},
    {49, 27}, {34, 16}, {73, 55}, {4, 89},  {10, 41},  {97, 24},  {68, 29},
    {72, 82}, {5, 26},  {44, 95}, {95, 60}, {54, 38},  {8, 92},   {11, 76},
    {80, 84}, {86, 53}, {88, 19}, {1, 79},  {31, 64},  {12, 7},   {78, 45},
    {30, 58}, {69, 56},
}};

constexpr int kFirstPosition = 1;
constexpr int kLastPosition = kPoemCount;

}  // namespace

int RandomGenerator::rand15() {
  seed_ = seed_ * 1103515245u + 12345u;  // unsigned: wraps modulo 2^32
  return static_cast<int>((seed_ / 65536u) % 32768u);
}

double RandomGenerator::randomKey() {
  const std::int32_t a = rand15();
  const std::int32_t b = rand15();
  return static_cast<double>((a * b) % 100000) / 100000.0;
}

void sortPositions(ReadingOrder& order, int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(order.key.size()) - 1);
  auto& key = order.key;
  auto& poem = order.poem;

  // Pending ranges: the right part is pushed and the left part worked on.
  std::vector<std::pair<int, int>> pending;
  pending.emplace_back(first, last);
  while (!pending.empty()) {
    auto [lo, hi] = pending.back();
    pending.pop_back();
    while (lo < hi) {
      int i = lo;
      int j = hi;
      const double pivot = key[(lo + hi) / 2];
      do {
        while (key[i] < pivot) ++i;
        while (pivot < key[j]) --j;
        if (i <= j) {
          std::swap(key[i], key[j]);
          std::swap(poem[i], poem[j]);
          ++i;
          --j;
        }
      } while (i <= j);
      if (i < hi) pending.emplace_back(i, hi);
      hi = j;
    }
  }
}

void applyPairOrder(ReadingOrder& order, OrderVariant variant) {
  if (variant == OrderVariant::PlainShuffle) return;
  const auto& pairs =
      variant == OrderVariant::FirstPairOrder ? kFirstPairOrderPairs : kSecondPairOrderPairs;
  for (const CardPair& pair : pairs) {
    double& first = order.key[pair.first];
    double& second = order.key[pair.second];
    if (first > second) std::swap(first, second);
  }
}

void buildReadingOrder(ReadingOrder& order, const CardSelection& selection,
                       OrderVariant orderVariant, std::uint32_t seed) {
  RandomGenerator random;
  random.randomize(seed);
  const bool selectionInForce = selection.selectionActive.load();
  for (int i = kFirstPosition; i <= kLastPosition; ++i) {
    if (!selectionInForce || selection.selected[i]) {
      order.poem[i] = static_cast<std::int16_t>(i);
      order.key[i] = random.randomKey();
    } else {
      order.poem[i] = kNoCard;
      order.key[i] = kFillerKey;
    }
  }
  // The pair variants only make sense for a full game.
  if (!selection.selectionActive.load()) applyPairOrder(order, orderVariant);
  sortPositions(order, kFirstPosition, kLastPosition);
  computeDecisiveLengths(order);
}

void computeDecisiveLengths(ReadingOrder& order) {
  decisiveLengths(std::span(order.poem).subspan(kFirstPosition, kPoemCount),
                  std::span(order.decisiveLength).subspan(kFirstPosition, kPoemCount));
}

void reshuffleFrom(ReadingOrder& order, int position, std::uint32_t seed) {
  if (position < kFirstPosition || position > kLastPosition) return;
  RandomGenerator random;
  random.randomize(seed);
  for (int i = position; i <= kLastPosition; ++i) {
    order.key[i] = order.poem[i] == kNoCard ? kFillerKey : random.randomKey();
  }
  sortPositions(order, position, kLastPosition);
  computeDecisiveLengths(order);
}

}  // namespace fuda
