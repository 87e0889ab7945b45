#include "core/order/withdraw.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/cards/poem_table.h"
#include "tests/unit/game_fixture.h"

namespace fuda::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;

std::string upperClip(int poem) {
  char name[16];
  std::snprintf(name, sizeof name, "I-%03dA", poem);
  return name;
}

class WithdrawTest : public GameFixture {
 protected:
  std::vector<std::int16_t> positions(int first, int last) const {
    return {order.poem.begin() + first, order.poem.begin() + last + 1};
  }
  std::string upperVerse(int n) const {
    return std::string(PoemTable::forLanguage(Language::Japanese)[n].upperVerse);
  }
};

TEST_F(WithdrawTest, AfterTheFirstCardTheGameStepsBackToThePreface) {
  useOrder({10, 20, 30, 40});
  engine.startReading(Memorisation::Without);
  engine.withdrawLastReading();

  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "無効化");
  EXPECT_EQ(view.messages[0].text, "\"" + upperVerse(10) + "\"\r\n\r\nの読みを無効化しました");
  EXPECT_EQ(view.messages[0].owner, MessageOwner::MainWindow);
  EXPECT_EQ(state.position, 0);
  EXPECT_THAT(positions(1, 4), UnorderedElementsAreArray({10, 20, 30, 40}));
  EXPECT_TRUE(std::all_of(order.poem.begin() + 5, order.poem.begin() + 101,
                          [](std::int16_t poem) { return poem == kNoCard; }));

  // The display keeps the voided card until the next step.
  const auto texts = view.textChanges.size();
  engine.readNext();
  EXPECT_GT(view.textChanges.size(), texts);
  const auto names = sound.played();
  ASSERT_EQ(names.size(), 5u);
  EXPECT_EQ(names[3], "I-000B");
  EXPECT_EQ(names[4], upperClip(order.poem[1]));
  EXPECT_EQ(state.position, 1);
}

TEST_F(WithdrawTest, LastCardOfAPartialGameIsReadAgain) {
  useOrder({10, 20, 30});
  engine.startReading(Memorisation::Without);
  engine.readNext();
  engine.readNext();
  ASSERT_EQ(state.position, 3);
  engine.withdrawLastReading();
  EXPECT_EQ(state.position, 2);
  EXPECT_THAT(positions(1, 3), ElementsAre(10, 20, 30));

  engine.readNext();
  const auto names = sound.played();
  EXPECT_EQ(names[names.size() - 2], "I-020B");
  EXPECT_EQ(names.back(), "I-030A");
  EXPECT_EQ(state.running, 1);
}

TEST_F(WithdrawTest, NothingHappensWithoutAGameOrBeforeTheFirstCard) {
  engine.withdrawLastReading();
  state.running = 1;  // as while a game's opening has not yet reached a card
  engine.withdrawLastReading();
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(state.position, 0);
}

TEST_F(WithdrawTest, RefusedWhileAStepPlays) {
  useOrder({10, 20, 30, 40});
  engine.startReading(Memorisation::Without);
  const auto before = order.poem;
  at(17000, [this] { engine.withdrawLastReading(); });
  engine.readNext();
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(order.poem, before);
  EXPECT_EQ(state.position, 2);
}

TEST_F(WithdrawTest, TwiceInARowStepsBackTwice) {
  useOrder({10, 20, 30, 40, 50});
  engine.startReading(Memorisation::Without);
  engine.readNext();
  engine.readNext();
  engine.withdrawLastReading();
  engine.withdrawLastReading();
  EXPECT_EQ(state.position, 1);
  EXPECT_EQ(order.poem[1], 10);
  EXPECT_THAT(positions(2, 5), UnorderedElementsAreArray({20, 30, 40, 50}));
  ASSERT_EQ(view.messages.size(), 2u);
  EXPECT_EQ(view.messages[0].text, "\"" + upperVerse(30) + "\"\r\n\r\nの読みを無効化しました");
}

TEST_F(WithdrawTest, DecisiveLengthsFollowTheNewOrder) {
  useOrder({10, 20, 30, 40});
  order.decisiveLength.fill(9);  // stale values a withdraw must replace
  engine.startReading(Memorisation::Without);
  engine.withdrawLastReading();
  ReadingOrder expected = order;
  computeDecisiveLengths(expected);
  EXPECT_EQ(order.decisiveLength, expected.decisiveLength);
}

TEST_F(WithdrawTest, DuringTheAutomaticWaitTheLoopGoesOnWithTheNewOrder) {
  useOrder({10, 20, 30});
  state.mode = ReadMode::Automatic;
  state.settings.interval = 5;
  at(16000, [this] { engine.withdrawLastReading(); });  // wait 15000..20000
  engine.startReading(Memorisation::Without);
  ASSERT_EQ(view.messages.size(), 1u);
  const auto names = sound.played();
  ASSERT_GE(names.size(), 5u);
  EXPECT_EQ(names[3], "I-000B");
  EXPECT_EQ(state.running, 0);  // the game still ran to its end
}

// The voided card goes back into the draw: left where it stood, the next
// step would read it again at once.
TEST(WithdrawFromOrder, TheVoidedCardIsDrawnAgainWithTheRest) {
  int drawnElsewhere = 0;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    ReadingState state;
    ReadingOrder order;
    order.poem.fill(kNoCard);
    for (int p = 1; p <= 5; ++p) order.poem[p] = static_cast<std::int16_t>(10 * p);
    state.running = true;
    state.position = 3;
    ASSERT_EQ(withdrawFromOrder(state, order, seed), 30);
    drawnElsewhere += order.poem[3] != 30 ? 1 : 0;
  }
  EXPECT_GT(drawnElsewhere, 5);
}

class WithdrawEnglishTest : public GameFixture {
 protected:
  WithdrawEnglishTest() : GameFixture(Language::English) {}
};

TEST_F(WithdrawEnglishTest, MessageReadsAgainLater) {
  useOrder({7, 8});
  engine.startReading(Memorisation::Without);
  engine.withdrawLastReading();
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "List");
  EXPECT_EQ(view.messages[0].text,
            "\"" + std::string(PoemTable::forLanguage(Language::English)[7].upperVerse) +
                "\"\r\n\r\nRead Again Later!");
}

}  // namespace
}  // namespace fuda::testing
