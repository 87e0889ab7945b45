// What a game draws after each way out of the two selection dialogs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "reader/cards/card_selection_rules.h"
#include "reader/cards/third_game_rules.h"
#include "reader/engine/reading_order.h"

namespace fuda {
namespace {

using ::testing::Each;
using ::testing::Eq;
using ::testing::UnorderedElementsAreArray;

// The poems at positions 1..selectedCount, and those after them.
struct Drawn {
  std::vector<int> played;
  std::vector<int> rest;
};

Drawn draw(const CardSelection& selection, std::uint32_t seed = 12345) {
  ReadingOrder order;
  buildReadingOrder(order, selection, 0, seed);
  Drawn drawn;
  for (int p = 1; p <= 100; ++p) {
    (p <= selection.selectedCount ? drawn.played : drawn.rest).push_back(order.poem[p]);
  }
  return drawn;
}

std::vector<int> allCards() {
  std::vector<int> cards(100);
  for (int n = 1; n <= 100; ++n) cards[n - 1] = n;
  return cards;
}

TEST(SelectionReadingOrder, AChoiceOfCardsPlaysThoseCardsOnly) {
  CardSelection selection;
  flipCard(selection, poemButtonById(1003)->poem);  // a button: 87
  setCardFromBox(selection, poemButtonByBoxId(1201)->poem, true);  // a box: 1
  flipBlock(selection, *blockButtonById(1219));  // a block: な
  ASSERT_EQ(confirmSelection(selection), OkOutcome::Close);
  ASSERT_EQ(selection.selectedCount, 10);

  for (std::uint32_t seed : {1u, 777u, 65535u}) {
    const Drawn drawn = draw(selection, seed);
    EXPECT_THAT(drawn.played,
                UnorderedElementsAreArray({87, 1, 19, 25, 36, 53, 80, 84, 86, 88}));
    EXPECT_THAT(drawn.rest, Each(Eq(kNoCard)));
  }
}

TEST(SelectionReadingOrder, AThirdPlaysItsCardsOnly) {
  CardSelection selection;
  chooseThird(selection, thirds()[1]);
  ASSERT_EQ(confirmThird(selection), ThirdOkOutcome::Close);
  const Drawn drawn = draw(selection);
  EXPECT_THAT(drawn.played,
              UnorderedElementsAreArray(thirds()[1].poems.begin(), thirds()[1].poems.end()));
  EXPECT_THAT(drawn.rest, Each(Eq(kNoCard)));
}

TEST(SelectionReadingOrder, LeavingWithoutASelectionPlaysAllCards) {
  // Edits left by the close box, and an OK refused for want of cards.
  CardSelection selection;
  flipBlock(selection, *blockButtonById(1214));
  flipBlock(selection, *blockButtonById(1214));
  ASSERT_EQ(confirmSelection(selection), OkOutcome::ShowNothingSelected);
  chooseThird(selection, thirds()[0]);
  EXPECT_THAT(draw(selection).played, UnorderedElementsAreArray(allCards()));

  // CANCEL, and the reset at the end of a game.
  ASSERT_EQ(confirmThird(selection), ThirdOkOutcome::Close);
  cancelSelection(selection);
  EXPECT_THAT(draw(selection).played, UnorderedElementsAreArray(allCards()));
  chooseThird(selection, thirds()[2]);
  ASSERT_EQ(confirmThird(selection), ThirdOkOutcome::Close);
  selection.reset();
  EXPECT_THAT(draw(selection).played, UnorderedElementsAreArray(allCards()));
}

}  // namespace
}  // namespace fuda
