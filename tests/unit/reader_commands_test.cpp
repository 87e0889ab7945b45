#include "core/game/reader_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "core/screen/reader_command_ids.h"
#include "tests/fakes/temp_folder.h"
#include "tests/unit/game_fixture.h"

namespace fuda::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RecordingHost : public ReaderHost {
 public:
  void selectReaderVoice(std::string_view number) override {
    calls.push_back("voice " + std::string(number));
  }
  void openToolWindow(std::string_view name) override {
    calls.push_back("window " + std::string(name));
  }
  void openHelp() override { calls.push_back("help"); }
  void exportList() override { calls.push_back("export"); }
  void importList() override { calls.push_back("import"); }
  std::vector<std::string> calls;
};

class ReaderCommandsTest : public GameFixture {
 protected:
  explicit ReaderCommandsTest(Language language = Language::Japanese)
      : GameFixture(language),
        settings(folder_ / "fudayomi.ini"),
        commands(engine, state, view, host, settings, language) {}

  // As a front end passes a control's, menu item's or gesture's id on.
  void dispatch(int id) {
    if (auto command = readerCommandFor(id)) commands.dispatchCommand(*command);
  }
  void writeSettings(const std::string& text) { std::ofstream(settings.path()) << text; }

  // A game that waits between steps, with the first card read.
  void gameWaiting() {
    useOrder({10, 20, 30});
    dispatch(kQuickStartButton);
    ASSERT_EQ(state.running, 1);
    ASSERT_EQ(state.busy, Busy::Idle);
    host.calls.clear();
  }

  TempFolder folder_;
  RecordingHost host;
  SettingsFile settings;
  ReaderCommands commands;
};

TEST_F(ReaderCommandsTest, StartButtonsAndMenuItemsStartAGame) {
  for (int id : std::initializer_list<int>{kQuickStartButton, kCmdQuickStart}) {
    dispatch(id);
    EXPECT_EQ(memoTimer.opened, 0);
    EXPECT_EQ(state.running, 1) << id;
    state.running = 0;
  }
  for (int id : std::initializer_list<int>{kStartWithMemoButton, kCmdStartWithMemo}) {
    dispatch(id);
    EXPECT_EQ(state.running, 1) << id;
    state.running = 0;
  }
  EXPECT_EQ(memoTimer.opened, 2);
}

TEST_F(ReaderCommandsTest, SelectionDialogsAndOrderVariantsOnlyWhenIdle) {
  gameWaiting();
  dispatch(kCmdCardSelection);
  dispatch(kCmdThirdGame);
  dispatch(kTitlePicture);
  dispatch(kGestureMiddleDoubleClick);
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_EQ(state.orderVariant, OrderVariant::PlainShuffle);

  // Busy without a game: the test reading.
  state.running = 0;
  at(clock.nowMs() + 500, [this] {
    ASSERT_EQ(state.busy, Busy::Playing);
    dispatch(kCmdCardSelection);
    dispatch(kTitlePicture);
    dispatch(kGestureMiddleDoubleClick);
  });
  dispatch(kCmdTestReading);
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_EQ(state.orderVariant, OrderVariant::PlainShuffle);

  dispatch(kCmdCardSelection);
  dispatch(kCmdThirdGame);
  dispatch(kTitlePicture);
  EXPECT_EQ(state.orderVariant, OrderVariant::SecondPairOrder);
  dispatch(kGestureMiddleDoubleClick);  // the later gesture wins
  EXPECT_EQ(state.orderVariant, OrderVariant::FirstPairOrder);
  EXPECT_THAT(host.calls, ElementsAre("window CSelect", "window HSelect"));
}

TEST_F(ReaderCommandsTest, ModeCommandsSetRadioModeAndInterval) {
  struct Row {
    int id;
    ReadMode mode;  // the radio buttons' too
    double interval;
  };
  state.settings.interval = 4.5;
  const Row rows[] = {
      {kAutoRadio, ReadMode::Automatic, 4.5},
      {kManualRadio, ReadMode::Manual, 4.5},
      {kCmdAutoMode, ReadMode::Automatic, 4.5},
      {kCmdManualMode, ReadMode::Manual, 4.5},
      {kCmdInterval3, ReadMode::Automatic, 3},
      {kCmdManualMode, ReadMode::Manual, 3},
      {kCmdInterval5, ReadMode::Automatic, 5},
      {kCmdInterval7, ReadMode::Automatic, 7},
      {kCmdInterval10, ReadMode::Automatic, 10},
  };
  for (const Row& row : rows) {
    dispatch(row.id);
    EXPECT_EQ(view.radio, row.mode) << row.id;
    EXPECT_EQ(state.mode.load(), row.mode) << row.id;
    EXPECT_EQ(state.settings.interval, row.interval) << row.id;
  }
}

TEST_F(ReaderCommandsTest, IntervalDefaultReadsTheSettingsFileAgain) {
  dispatch(kCmdIntervalDefault);  // no file: "3"
  EXPECT_EQ(state.settings.interval, 3.0);
  EXPECT_EQ(state.mode.load(), ReadMode::Automatic);
  writeSettings("[Auto]\nItvl=2.5\n");
  dispatch(kCmdIntervalDefault);
  EXPECT_EQ(state.settings.interval, 2.5);
  writeSettings("[auto]\nitvl = x7\n");
  dispatch(kCmdIntervalDefault);
  EXPECT_EQ(state.settings.interval, 0.0);
}

TEST_F(ReaderCommandsTest, ModeAndReaderItemsActDuringAStep) {
  gameWaiting();
  at(clock.nowMs() + 2000, [this] {
    ASSERT_EQ(state.busy, Busy::Playing);
    dispatch(kCmdReader2);
    dispatch(kCmdInterval7);
  });
  dispatch(kNextButton);
  EXPECT_THAT(host.calls, ElementsAre("voice 2"));
  EXPECT_EQ(state.settings.interval, 7.0);
}

TEST_F(ReaderCommandsTest, ReaderListHelpItemsGoToTheHost) {
  for (int id : {kCmdReader1, kCmdReader2, kCmdReader3, kCmdReader4, kCmdExportList,
                 kCmdImportList, kCmdHelp}) {
    dispatch(id);
  }
  EXPECT_THAT(host.calls, ElementsAre("voice 1", "voice 2", "voice 3", "voice 4", "export",
                                      "import", "help"));
  EXPECT_THAT(view.messages, IsEmpty());
}

TEST_F(ReaderCommandsTest, WithdrawItemVoidsTheLastCard) {
  gameWaiting();
  dispatch(kCmdWithdraw);
  EXPECT_EQ(state.position, 0);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "無効化");
}

TEST_F(ReaderCommandsTest, ExitMenuQuitsInAnyState) {
  dispatch(kCmdExit);
  EXPECT_EQ(view.quitRequests, 1);
  gameWaiting();
  dispatch(kCmdExit);
  EXPECT_EQ(view.quitRequests, 2);
  EXPECT_EQ(state.running, 1);
}

TEST_F(ReaderCommandsTest, ExitButtonFinishesAWaitingGameOrQuits) {
  dispatch(kExitButton);
  EXPECT_EQ(view.quitRequests, 1);
  gameWaiting();
  dispatch(kExitButton);
  EXPECT_EQ(view.quitRequests, 1);
  EXPECT_EQ(state.running, 0);
  EXPECT_EQ(sound.played().back(), "I-010B");
}

TEST_F(ReaderCommandsTest, AboutBox) {
  dispatch(kCmdAbout);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "fudayomi");
  EXPECT_EQ(view.messages[0].text, "札読みひばりくん Ver.2.90");
}

class ReaderCommandsEnglishTest : public ReaderCommandsTest {
 protected:
  ReaderCommandsEnglishTest() : ReaderCommandsTest(Language::English) {}
};

TEST_F(ReaderCommandsEnglishTest, AboutBox) {
  dispatch(kCmdAbout);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "fudayomi");
  EXPECT_EQ(view.messages[0].text, "fudayomi hibari kun Ver.2.90");
}

TEST_F(ReaderCommandsTest, RightDoubleClickStartsWithTheCountdownOnlyBeforeTheFirstGame) {
  state.memoState = MemoState::StartWithMemo;  // "Timer"/"Use" = "1"
  useOrder({10});
  dispatch(kGestureRightButton);
  dispatch(kGestureRightDoubleClick);
  EXPECT_EQ(memoTimer.opened, 1);
  EXPECT_EQ(state.running, 1);
  dispatch(kNextButton);  // the one card: game over
  ASSERT_EQ(state.running, 0);

  useOrder({10});
  dispatch(kGestureRightButton);
  dispatch(kGestureRightDoubleClick);
  EXPECT_EQ(memoTimer.opened, 1);
  EXPECT_EQ(state.running, 1);
}

TEST_F(ReaderCommandsTest, RightDoubleClickDuringAGameActsAsOnePress) {
  gameWaiting();
  const auto threadsBefore = threads.started;
  dispatch(kGestureRightButton);  // manual and idle: the next step
  dispatch(kGestureRightDoubleClick);
  EXPECT_EQ(threads.started, threadsBefore + 1);
  EXPECT_EQ(state.position, 2);
  EXPECT_EQ(memoTimer.opened, 0);
}

TEST_F(ReaderCommandsTest, RightButtonDuringAStepAsksItToStop) {
  gameWaiting();
  at(clock.nowMs() + 1600, [this] { dispatch(kGestureRightButton); });
  dispatch(kNextButton);
  EXPECT_EQ(state.position, 1);
  EXPECT_EQ(state.busy, Busy::Idle);
}

TEST_F(ReaderCommandsTest, UnknownIdsAreIgnored) {
  gameWaiting();
  const auto events = sound.events().size();
  for (int id : std::initializer_list<int>{kStatusBar, kButtonFrame, kTimingTrackBar, kUpperVerseLabel, kModeGroupBox,
                 kCmdTimerLonger, kCmdTimerShorter, kCmdTimerStartNow, 0, 9999}) {
    dispatch(id);
  }
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_EQ(sound.events().size(), events);
  EXPECT_EQ(view.quitRequests, 0);
  EXPECT_EQ(state.running, 1);
}

}  // namespace
}  // namespace fuda::testing
