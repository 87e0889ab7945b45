#include "core/cards/card_selection_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "core/cards/poem_table.h"

namespace fuda {
namespace {

using ::testing::UnorderedElementsAreArray;

TEST(CardSelectionLayout, EveryPoemHasOneButtonAndBoxWithTheDialogsIds) {
  const auto buttons = poemButtons();
  ASSERT_EQ(buttons.size(), 101u);
  std::set<int> poems;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const PoemButton& b = buttons[i];
    // The button ids leave out 1007..1015.
    const int expectedButton = i < 4 ? 1003 + static_cast<int>(i) : 1012 + static_cast<int>(i);
    EXPECT_EQ(b.buttonId, expectedButton) << "row " << i + 1;
    EXPECT_EQ(b.boxId, 1113 + static_cast<int>(i)) << "row " << i + 1;
    EXPECT_EQ((b.y - 60) % 25, 0) << "row " << i + 1;
    EXPECT_GE(b.y, 60);
    EXPECT_LE(b.y, 60 + 25 * 18);
    poems.insert(b.poem);
  }
  EXPECT_EQ(poems.size(), 101u);
  EXPECT_EQ(*poems.begin(), 0);
  EXPECT_EQ(*poems.rbegin(), 100);
}

TEST(CardSelectionLayout, ColumnsFollowTheFirstSyllableGroups) {
  // Highest group of each column 1..7.
  const int lastGroup[] = {12, 16, 20, 23, 25, 26, 27};
  for (const PoemButton& b : poemButtons()) {
    if (b.poem == 0) {
      EXPECT_EQ(b.column, 7);
      EXPECT_EQ(b.y, 485);
      continue;
    }
    const int group = poemGroup(b.poem);
    const int firstGroup = b.column == 1 ? 1 : lastGroup[b.column - 2] + 1;
    EXPECT_GE(group, firstGroup) << "poem " << b.poem;
    EXPECT_LE(group, lastGroup[b.column - 1]) << "poem " << b.poem;
  }
  const PoemButton* mu = poemButtonById(1003);
  ASSERT_NE(mu, nullptr);
  EXPECT_EQ(mu->poem, 87);
  EXPECT_EQ(poemButtonX(*mu), 70);
  EXPECT_EQ(poemBoxX(*mu), 54);
  EXPECT_EQ(poemBoxY(*mu), 62);
  EXPECT_EQ(pick(Language::Japanese, mu->caption), "む");
  EXPECT_EQ(pick(Language::English, mu->caption), "Mu");
  const PoemButton* akino = poemButtonByBoxId(1201);
  ASSERT_NE(akino, nullptr);
  EXPECT_EQ(akino->buttonId, 1100);
  EXPECT_EQ(akino->poem, 1);
  EXPECT_EQ(poemButtonX(*akino), 670);
  EXPECT_EQ(poemButtonById(1007), nullptr);
  EXPECT_EQ(poemButtonByBoxId(1214), nullptr);
}

TEST(CardSelectionLayout, BlocksHoldTheirGroupsCards) {
  const std::vector<std::vector<int>> expected{
      {13, 18, 22, 23, 37, 40, 46, 57, 65, 66, 70, 71, 74, 77, 81, 87, 100},
      {15, 17, 21, 33, 35, 42, 50, 61, 63, 75, 91, 99},
      {2, 6, 9, 28, 32, 47, 48, 51, 59, 62, 67, 83, 85, 93, 96, 98},
      {4, 10, 14, 16, 24, 27, 29, 34, 41, 49, 55, 68, 73, 89, 90, 94, 97},
      {5, 8, 11, 20, 26, 38, 44, 54, 60, 72, 76, 82, 92, 95},
      {19, 25, 36, 53, 80, 84, 86, 88},
      {1, 3, 7, 12, 30, 31, 39, 43, 45, 52, 56, 58, 64, 69, 78, 79},
  };
  const auto blocks = blockButtons();
  ASSERT_EQ(blocks.size(), 7u);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    EXPECT_EQ(blocks[i].id, 1214 + static_cast<int>(i));
    EXPECT_EQ(blocks[i].x, 50 + 100 * static_cast<int>(i));
    EXPECT_THAT(blockPoems(blocks[i]), UnorderedElementsAreArray(expected[i])) << blocks[i].id;
  }
  EXPECT_EQ(blockButtonById(1221), nullptr);
}

TEST(CardSelectionRules, OkWithOnlyThePrefacePoemChangesNothing) {
  CardSelection selection;
  EXPECT_EQ(confirmSelection(selection), OkOutcome::ShowNothingSelected);
  EXPECT_EQ(selection.selectionActive, 0);
  // Not zeroed: a later close box must not leave a no-selection game that
  // ends after no card.
  EXPECT_EQ(selection.selectedCount, 100);

  flipCard(selection, 5);
  flipCard(selection, 6);
  ASSERT_EQ(confirmSelection(selection), OkOutcome::Close);
  flipCard(selection, 5);
  flipCard(selection, 6);
  EXPECT_EQ(confirmSelection(selection), OkOutcome::ShowNothingSelected);
  EXPECT_EQ(selection.selectionActive, 1);
  EXPECT_EQ(selection.selectedCount, 2);
}

// The third keeps the memorisation at five minutes after a cancelled card
// selection.
TEST(CardSelectionRules, CancelDropsTheCardsButKeepsTheThirdChosen) {
  CardSelection selection;
  selection.thirdChoice = 2;
  flipCard(selection, 5);
  cancelSelection(selection);
  EXPECT_EQ(selection.selected[5], 0);
  EXPECT_EQ(selection.thirdChoice, 2);
}

}  // namespace
}  // namespace fuda
