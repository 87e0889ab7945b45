#include "core/cards/third_game_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "core/cards/poem_table.h"

namespace fuda {
namespace {

std::vector<int> chosenCards(const CardSelection& selection) {
  std::vector<int> cards;
  for (int n = 1; n <= 100; ++n) {
    if (selection.selected[n] == 1) cards.push_back(n);
  }
  return cards;
}

std::vector<int> cardsOf(const Third& third) { return {third.poems.begin(), third.poems.end()}; }

const Third& third(int choice) { return thirds()[choice - 1]; }

TEST(ThirdGameRules, TheThirdsSplitTheHundredCardsByFirstKana) {
  const std::vector<std::set<int>> groups{
      {27, 26, 13, 8, 10, 2, 5, 7},
      {22, 23, 21, 20, 14, 16, 9, 11, 1, 3},
      {24, 25, 17, 18, 19, 15, 12, 4, 6},
  };
  const std::size_t sizes[] = {34, 33, 33};
  std::multiset<int> all;
  ASSERT_EQ(thirds().size(), 3u);
  for (const Third& t : thirds()) {
    EXPECT_EQ(t.poems.size(), sizes[t.choice - 1]);
    for (int poem : t.poems) {
      EXPECT_TRUE(groups[t.choice - 1].count(poemGroup(poem))) << "poem " << poem;
      all.insert(poem);
    }
  }
  EXPECT_EQ(all.size(), 100u);
  EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), 100u);
  EXPECT_EQ(*all.begin(), 1);
  EXPECT_EQ(*all.rbegin(), 100);

  EXPECT_EQ(thirdByButtonId(1004), &third(2));
  EXPECT_EQ(thirdByBoxId(1115), &third(3));
  EXPECT_EQ(thirdByButtonId(1006), nullptr);
}

TEST(ThirdGameRules, AChoiceOverwritesAnEarlierCardSelection) {
  CardSelection selection;
  selection.selected[2] = 1;  // a card of C, chosen in the card selection
  selection.selected[0] = 0;
  selection.selectionActive = 1;
  selection.selectedCount = 1;
  chooseThird(selection, third(1));
  EXPECT_EQ(chosenCards(selection), cardsOf(third(1)));
  EXPECT_EQ(selection.selected[0], 1);
}

TEST(ThirdGameRules, ChoosingTheChosenThirdAgainClearsIt) {
  CardSelection selection;
  chooseThird(selection, third(2));
  chooseThird(selection, third(2));
  EXPECT_EQ(selection.thirdChoice, 0);
  EXPECT_TRUE(chosenCards(selection).empty());
}

TEST(ThirdGameRules, OkPlaysTheThirdAfterTheWholePrefacePoem) {
  CardSelection selection;
  chooseThird(selection, third(3));
  selection.selected[0] = 0;
  EXPECT_EQ(confirmThird(selection), ThirdOkOutcome::Close);
  EXPECT_EQ(selection.selectionActive, 1);
  EXPECT_EQ(selection.selectedCount, 33);
  EXPECT_EQ(selection.selected[0], 1);
  EXPECT_EQ(selection.thirdChoice, 3);

  chooseThird(selection, third(1));
  EXPECT_EQ(confirmThird(selection), ThirdOkOutcome::Close);
  EXPECT_EQ(selection.selectedCount, 34);
}

}  // namespace
}  // namespace fuda
