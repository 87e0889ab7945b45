#include "core/order/reading_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <vector>

#include "core/encoding/text_encoding.h"
#include "core/cards/poem_table.h"

namespace fuda {
namespace {

// An order that reads `poems` first, then fillers.
ReadingOrder orderOf(std::initializer_list<int> poems) {
  ReadingOrder order;
  order.poem.fill(kNoCard);
  order.poem[0] = 0;
  order.poem[101] = 0;
  int position = 1;
  for (int n : poems) order.poem[position++] = static_cast<std::int16_t>(n);
  computeDecisiveLengths(order);
  return order;
}

// The decisive length of poem `n` in `order`.
int lengthOf(const ReadingOrder& order, int n) {
  for (int p = 1; p <= 100; ++p) {
    if (order.poem[p] == n) return order.decisiveLength[p];
  }
  ADD_FAILURE() << "poem " << n << " is not in the order";
  return -1;
}

void selectOnly(CardSelection& selection, const std::vector<int>& poems) {
  selection.reset();
  for (int n : poems) selection.selected[n] = 1;
  selection.selectionActive = 1;
  selection.selectedCount = static_cast<std::int16_t>(poems.size());
}

// What a player works out at each turn: the shortest opening of the card's
// kimariji that no other card still to come begins with. Absent cards count
// as to come, since nobody at the table knows which they are.
int expectedLength(const ReadingOrder& order, int position) {
  const PoemTable& poems = PoemTable::forLanguage(Language::Japanese);
  std::set<int> toCome;
  for (int m = 1; m <= 100; ++m) toCome.insert(m);
  for (int p = 1; p <= position; ++p) toCome.erase(order.poem[p]);
  const std::string_view kimariji = poems[order.poem[position]].kimariji;
  for (int morae = 1; morae <= moraCount(kimariji); ++morae) {
    const std::string opening = firstMorae(kimariji, morae);
    const bool shared = std::any_of(toCome.begin(), toCome.end(), [&](int m) {
      return poems[m].kimariji.substr(0, opening.size()) == opening;
    });
    if (!shared) return morae;
  }
  return -1;  // the kimariji does not identify the card at all
}

TEST(RandomGenerator, FollowsTheLinearCongruentialFormula) {
  RandomGenerator random;
  random.randomize(1);
  // 1 * 1103515245 + 12345 = 1103527590; / 65536 = 16838.
  EXPECT_EQ(random.rand15(), 16838);
  EXPECT_EQ(random.rand15(), 5758);
  EXPECT_EQ(random.rand15(), 10113);
  EXPECT_EQ(random.rand15(), 17515);

  random.randomize(0);
  EXPECT_EQ(random.rand15(), 0);
  EXPECT_EQ(random.rand15(), 21468);

  // The product wraps modulo 2^32: (2^32 - 1) * 1103515245 + 12345 is
  // 3191464396, which gives 48697 mod 32768.
  random.randomize(0xFFFFFFFFu);
  EXPECT_EQ(random.rand15(), 15929);
}

TEST(RandomGenerator, KeyIsTheProductOfTwoDrawsModuloOneHundredThousand) {
  RandomGenerator random;
  random.randomize(1);
  EXPECT_DOUBLE_EQ(random.randomKey(), 0.53204);  // 16838 * 5758 = 96953204
  EXPECT_DOUBLE_EQ(random.randomKey(), 0.29195);  // 10113 * 17515 = 177129195
  double largest = 0.0;
  for (int i = 0; i < 100000; ++i) largest = std::max(largest, random.randomKey());
  EXPECT_LE(largest, 0.99999);
}

TEST(SortPositions, SortsTheRangeByKeyAndCarriesThePoems) {
  ReadingOrder order;
  const std::vector<double> keys = {0.5, 0.1, 0.9, 0.1, 0.0, 2.0, 0.7, 2.0, 0.3};
  for (int i = 0; i <= 100; ++i) {
    order.key[i] = -1.0;
    order.poem[i] = static_cast<std::int16_t>(500 + i);
  }
  for (std::size_t k = 0; k < keys.size(); ++k) {
    order.key[10 + k] = keys[k];
    order.poem[10 + k] = static_cast<std::int16_t>(k);
  }
  sortPositions(order, 10, 18);

  for (int i = 10; i < 18; ++i) EXPECT_LE(order.key[i], order.key[i + 1]);
  for (int i = 10; i <= 18; ++i) {
    EXPECT_EQ(order.key[i], keys[order.poem[i]]) << "poem left its key at " << i;
  }
  EXPECT_EQ(order.key[9], -1.0);
  EXPECT_EQ(order.poem[19], 519);
}

TEST(SortPositions, HandlesSortedReversedAndEqualKeys) {
  for (int shape = 0; shape < 3; ++shape) {
    ReadingOrder order;
    for (int i = 1; i <= 100; ++i) {
      order.key[i] = shape == 0 ? i : shape == 1 ? 101 - i : (i % 2 ? 2.0 : 0.5);
      order.poem[i] = static_cast<std::int16_t>(i);
    }
    sortPositions(order, 1, 100);
    std::set<int> poems;
    for (int i = 1; i <= 100; ++i) {
      poems.insert(order.poem[i]);
      if (i < 100) {
        EXPECT_LE(order.key[i], order.key[i + 1]) << "shape " << shape;
      }
    }
    EXPECT_EQ(poems.size(), 100u);
  }
}

TEST(BuildReadingOrder, WithoutSelectionReadsAllHundredInASeededOrder) {
  CardSelection selection;
  ReadingOrder order;
  buildReadingOrder(order, selection, OrderVariant::PlainShuffle, 12345);

  std::set<int> poems(order.poem.begin() + 1, order.poem.begin() + 101);
  EXPECT_EQ(poems.size(), 100u);
  EXPECT_EQ(*poems.begin(), 1);
  EXPECT_EQ(*poems.rbegin(), 100);
  EXPECT_EQ(order.poem[0], 0);
  // Worked out by hand from the generator and the sort for this seed.
  const std::vector<int> firstTen = {4, 84, 47, 30, 17, 15, 28, 24, 94, 61};
  EXPECT_EQ(std::vector<int>(order.poem.begin() + 1, order.poem.begin() + 11), firstTen);

  ReadingOrder again;
  buildReadingOrder(again, selection, OrderVariant::PlainShuffle, 12345);
  EXPECT_EQ(again.poem, order.poem);
  buildReadingOrder(again, selection, OrderVariant::PlainShuffle, 12346);
  EXPECT_NE(again.poem, order.poem);
}

TEST(BuildReadingOrder, WithSelectionReadsTheChosenCardsThenFillers) {
  CardSelection selection;
  const std::vector<int> chosen = {1, 2, 3, 4, 5, 87, 31, 64, 39};
  selectOnly(selection, chosen);
  ReadingOrder order;
  buildReadingOrder(order, selection, OrderVariant::PlainShuffle, 777);

  const std::vector<int> expected = {4, 1, 31, 87, 64, 5, 3, 39, 2};
  EXPECT_EQ(std::vector<int>(order.poem.begin() + 1, order.poem.begin() + 10), expected);
  for (int p = 10; p <= 100; ++p) {
    EXPECT_EQ(order.poem[p], kNoCard);
    EXPECT_EQ(order.decisiveLength[p], 0);
    EXPECT_EQ(order.key[p], 2.0);
  }
  // The pair variants belong to full games only.
  ReadingOrder withVariant;
  buildReadingOrder(withVariant, selection, OrderVariant::FirstPairOrder, 777);
  EXPECT_EQ(withVariant.poem, order.poem);
}

TEST(BuildReadingOrder, PairVariantsPutEachPairInItsOrder) {
  struct Pair {
    int first, second;
  };
  // Pairs a later pair may undo ((90,14) then (14,94), and the 95 chain)
  // are left out; the chains' other ends are checked instead.
  const std::vector<Pair> variant1 = {
      {87, 57}, {18, 77}, {74, 65}, {23, 13}, {40, 37}, {100, 66}, {71, 46},
      {21, 63}, {75, 42}, {35, 99}, {50, 15}, {96, 9},  {2, 67},   {59, 47},
      {32, 28}, {85, 62}, {93, 83}, {51, 6},  {98, 48}, {14, 94},  {90, 94},
      {49, 27}, {16, 34}, {73, 55}, {4, 89},  {41, 10}, {97, 24},  {29, 68},
      {72, 82}, {5, 26},  {95, 44}, {60, 44}, {38, 54}, {8, 92},   {76, 11},
      {80, 84}, {53, 86}, {88, 19}, {79, 1},  {31, 64}, {12, 7},   {78, 45},
      {30, 58}, {56, 69}};
  const std::vector<Pair> variant2 = {
      {87, 57}, {77, 18}, {65, 74}, {13, 23}, {37, 40}, {66, 100}, {46, 71},
      {63, 21}, {42, 75}, {99, 35}, {15, 50}, {96, 9},  {67, 2},   {59, 47},
      {32, 28}, {85, 62}, {83, 93}, {51, 6},  {48, 98}, {14, 94},  {90, 94},
      {49, 27}, {34, 16}, {73, 55}, {4, 89},  {10, 41}, {97, 24},  {68, 29},
      {72, 82}, {5, 26},  {95, 60}, {44, 60}, {54, 38}, {8, 92},   {11, 76},
      {80, 84}, {86, 53}, {88, 19}, {1, 79},  {31, 64}, {12, 7},   {78, 45},
      {30, 58}, {69, 56}};
  CardSelection selection;
  int brokenWithoutVariant = 0;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    for (int variant = 1; variant <= 2; ++variant) {
      ReadingOrder order;
      buildReadingOrder(order, selection,
                        variant == 1 ? OrderVariant::FirstPairOrder : OrderVariant::SecondPairOrder,
                        seed);
      std::array<int, 101> positionOf{};
      for (int p = 1; p <= 100; ++p) positionOf[order.poem[p]] = p;
      for (const Pair& pair : variant == 1 ? variant1 : variant2) {
        EXPECT_LT(positionOf[pair.first], positionOf[pair.second])
            << "variant " << variant << " seed " << seed << ": " << pair.first
            << " before " << pair.second;
      }
    }
    ReadingOrder plain;
    buildReadingOrder(plain, selection, OrderVariant::PlainShuffle, seed);
    std::array<int, 101> positionOf{};
    for (int p = 1; p <= 100; ++p) positionOf[plain.poem[p]] = p;
    brokenWithoutVariant += positionOf[87] > positionOf[57] ? 1 : 0;
  }
  EXPECT_GT(brokenWithoutVariant, 0) << "a plain shuffle should not keep the pairs";
}

TEST(DecisiveLengths, OneAndTwoCardGroups) {
  ReadingOrder order = orderOf({65, 87, 74, 13, 18, 23});
  EXPECT_EQ(lengthOf(order, 87), 1);
  EXPECT_EQ(lengthOf(order, 18), 1);
  EXPECT_EQ(lengthOf(order, 65), 2);  // うら while うか is to come
  EXPECT_EQ(lengthOf(order, 74), 1);  // the last う card
  EXPECT_EQ(lengthOf(order, 13), 2);
  EXPECT_EQ(lengthOf(order, 23), 1);
}

TEST(DecisiveLengths, PoemThirtyOneNeedsAllSixWhileSixtyFourIsToCome) {
  EXPECT_EQ(lengthOf(orderOf({31, 39, 64}), 31), 6);
  EXPECT_EQ(lengthOf(orderOf({39, 31, 64}), 31), 6);
  EXPECT_EQ(lengthOf(orderOf({64, 31, 39}), 31), 3);  // あさぼ tells it from あさじ
  EXPECT_EQ(lengthOf(orderOf({64, 39, 31}), 31), 2);  // あさ, other あ cards to come
  EXPECT_EQ(lengthOf(orderOf({31, 64}), 64), 3);
  EXPECT_EQ(lengthOf(orderOf({31, 64, 39}), 39), 2);
  EXPECT_EQ(lengthOf(orderOf({39}), 39), 3);
}

TEST(DecisiveLengths, LastCardOfItsGroupNeedsOneSyllable) {
  // な: poem 25 would need two syllables, but it is the last な card.
  ReadingOrder order = orderOf({19, 36, 53, 80, 84, 86, 88, 25});
  EXPECT_EQ(lengthOf(order, 19), 4);
  EXPECT_EQ(lengthOf(order, 88), 3);  // なにわ: なにし is to come
  EXPECT_EQ(lengthOf(order, 25), 1);
}

TEST(DecisiveLengths, AbsentPartnerCountsAsStillToCome) {
  // Poem 63 takes no part, so いまこ keeps its third syllable to the end,
  // even once it is the last い card actually read.
  ReadingOrder order = orderOf({61, 21});
  EXPECT_EQ(lengthOf(order, 61), 2);
  EXPECT_EQ(lengthOf(order, 21), 3);
  // Poems 60 and 95 read, 44 absent: おおこ needs three.
  EXPECT_EQ(lengthOf(orderOf({60, 95, 44}), 44), 2);
  EXPECT_EQ(lengthOf(orderOf({60, 44}), 44), 3);
}

TEST(DecisiveLengths, FillersAndStrayEntriesShowNothing) {
  ReadingOrder order = orderOf({87});
  EXPECT_EQ(order.decisiveLength[2], 0);
  order.poem[2] = 0;  // a position never filled by a shuffle
  order.poem[3] = 87;
  computeDecisiveLengths(order);
  EXPECT_EQ(order.decisiveLength[2], 0);
  EXPECT_EQ(order.decisiveLength[3], 0);
}

// The rule table against what a player works out, over many full and
// partial games.
TEST(DecisiveLengths, MatchWhatThePlayersCanTellApart) {
  CardSelection selection;
  std::uint32_t state = 99;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  for (int game = 0; game < 400; ++game) {
    if (game % 2 == 0) {
      selection.reset();
    } else {
      std::vector<int> chosen;
      const unsigned share = 5 + next() % 90;  // percent of the cards
      for (int n = 1; n <= 100; ++n) {
        if (next() % 100 < share) chosen.push_back(n);
      }
      if (chosen.empty()) chosen.push_back(1 + next() % 100);
      selectOnly(selection, chosen);
    }
    ReadingOrder order;
    buildReadingOrder(order, selection, OrderVariant::PlainShuffle, next());
    for (int p = 1; p <= 100 && order.poem[p] != kNoCard; ++p) {
      ASSERT_EQ(order.decisiveLength[p], expectedLength(order, p))
          << "game " << game << ", position " << p << ", poem " << order.poem[p];
    }
  }
}

TEST(ReshuffleFrom, ReshufflesTheUnreadRestAndKeepsFillersLast) {
  CardSelection selection;
  selectOnly(selection, {11, 76, 21, 63, 61, 87, 31, 64, 39, 25});
  ReadingOrder order;
  buildReadingOrder(order, selection, OrderVariant::PlainShuffle, 4242);
  const ReadingOrder before = order;

  bool moved = false;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    order = before;
    reshuffleFrom(order, 4, seed);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(order.poem[p], before.poem[p]);
    EXPECT_EQ(std::multiset<int>(order.poem.begin() + 4, order.poem.begin() + 11),
              std::multiset<int>(before.poem.begin() + 4, before.poem.begin() + 11));
    for (int p = 11; p <= 100; ++p) EXPECT_EQ(order.poem[p], kNoCard);
    for (int p = 1; p <= 10; ++p) {
      EXPECT_EQ(order.decisiveLength[p], expectedLength(order, p)) << "position " << p;
    }
    moved = moved || order.poem != before.poem;
  }
  EXPECT_TRUE(moved);
}

TEST(ReshuffleFrom, LastCardOfAPartialGameStaysWhereItIs) {
  CardSelection selection;
  selectOnly(selection, {3, 4, 5});
  ReadingOrder order;
  buildReadingOrder(order, selection, OrderVariant::PlainShuffle, 1);
  const ReadingOrder before = order;
  reshuffleFrom(order, 3, 99);
  EXPECT_EQ(order.poem, before.poem);

  reshuffleFrom(order, 0, 99);    // nothing read yet
  reshuffleFrom(order, 101, 99);  // past the game
  EXPECT_EQ(order.poem, before.poem);
}

}  // namespace
}  // namespace fuda
