// Games in virtual time after each way out of the two selection dialogs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "core/cards/card_selection_rules.h"
#include "core/cards/third_game_rules.h"
#include "tests/unit/game_fixture.h"

namespace fuda {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;

std::string clipOf(int poem, char verse) {
  char name[16];
  std::snprintf(name, sizeof name, "I-%03d%c", poem, verse);
  return name;
}

class SelectionGameTest : public testing::GameFixture {
 protected:
  // Plays a whole manual game and returns every clip heard.
  std::vector<std::string> playGame() {
    engine.startReading(Memorisation::Without);
    for (int step = 0; step < 101 && state.running == 1; ++step) engine.readNext();
    EXPECT_EQ(state.running, 0) << "the game did not end";
    return sound.played();
  }

  // The poems whose upper verse was read, in order.
  static std::vector<int> cardsRead(const std::vector<std::string>& clips) {
    std::vector<int> cards;
    for (const std::string& clip : clips) {
      if (clip.back() == 'A' && clip != "I-000A") cards.push_back(std::stoi(clip.substr(2, 3)));
    }
    return cards;
  }

  // Every card of the game is read upper verse then lower verse, once.
  static void expectWholeCards(const std::vector<std::string>& clips) {
    std::vector<std::string> afterPreface(std::find(clips.begin(), clips.end(), "I-000B") + 1,
                                          clips.end());
    ASSERT_EQ(afterPreface.size() % 2, 0u);
    for (std::size_t i = 0; i < afterPreface.size(); i += 2) {
      EXPECT_EQ(afterPreface[i].substr(0, 5), afterPreface[i + 1].substr(0, 5));
      EXPECT_EQ(afterPreface[i].back(), 'A');
      EXPECT_EQ(afterPreface[i + 1].back(), 'B');
    }
  }

  static std::vector<int> allCards() {
    std::vector<int> cards(100);
    for (int n = 1; n <= 100; ++n) cards[n - 1] = n;
    return cards;
  }
};

TEST_F(SelectionGameTest, AChoiceOfCardsIsReadAloneAndThenAllCardsPlayAgain) {
  flipCard(selection, poemButtonById(1003)->poem);  // a button: 87
  setCardFromBox(selection, poemButtonByBoxId(1201)->poem, true);  // a box: 1
  flipBlock(selection, *blockButtonById(1219));  // a block: な
  setCardFromBox(selection, 0, false);  // no preface upper verse
  ASSERT_EQ(confirmSelection(selection), OkOutcome::Close);

  const auto clips = playGame();
  EXPECT_EQ(clips.front(), "I-000B");
  EXPECT_EQ(std::count(clips.begin(), clips.end(), "I-000A"), 0);
  EXPECT_THAT(cardsRead(clips), UnorderedElementsAreArray({87, 1, 19, 25, 36, 53, 80, 84, 86, 88}));
  expectWholeCards(clips);

  // The choice held for that game only.
  EXPECT_EQ(selection.selectionActive, 0);
  EXPECT_EQ(selection.selectedCount, 100);
  sound.clear();
  engine.startReading(Memorisation::Without);
  EXPECT_THAT(sound.played(), ElementsAre("I-000A", "I-000B", clipOf(order.poem[1], 'A')));
  EXPECT_THAT(std::vector<int>(order.poem.begin() + 1, order.poem.begin() + 101),
              UnorderedElementsAreArray(allCards()));
}

TEST_F(SelectionGameTest, AThirdIsReadAfterTheWholePrefacePoem) {
  const Third& b = thirds()[1];
  chooseThird(selection, b);
  ASSERT_EQ(confirmThird(selection), ThirdOkOutcome::Close);

  const auto clips = playGame();
  EXPECT_THAT(std::vector<std::string>(clips.begin(), clips.begin() + 2),
              ElementsAre("I-000A", "I-000B"));
  EXPECT_THAT(cardsRead(clips), UnorderedElementsAreArray(b.poems.begin(), b.poems.end()));
  expectWholeCards(clips);
  EXPECT_EQ(selection.thirdChoice, 0);
  EXPECT_EQ(selection.selectionActive, 0);
}

TEST_F(SelectionGameTest, LeavingWithoutAChoiceInForcePlaysAllHundredCards) {
  // An OK refused for want of cards, then a third chosen and left by the
  // close box.
  ASSERT_EQ(confirmSelection(selection), OkOutcome::ShowNothingSelected);
  chooseThird(selection, thirds()[0]);

  const auto clips = playGame();
  EXPECT_THAT(std::vector<std::string>(clips.begin(), clips.begin() + 2),
              ElementsAre("I-000A", "I-000B"));
  EXPECT_THAT(cardsRead(clips), UnorderedElementsAreArray(allCards()));
  expectWholeCards(clips);
}

}  // namespace
}  // namespace fuda
