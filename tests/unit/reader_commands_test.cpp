#include "core/game/reader_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

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

  void writeSettings(const std::string& text) { std::ofstream(settings.path()) << text; }

  // A game that waits between steps, with the first card read.
  void gameWaiting() {
    useOrder({10, 20, 30});
    commands.dispatchCommand(kQuickStartButton);
    ASSERT_EQ(state.running, 1);
    ASSERT_EQ(state.busy, kIdle);
    host.calls.clear();
  }

  TempFolder folder_;
  RecordingHost host;
  SettingsFile settings;
  ReaderCommands commands;
};

TEST_F(ReaderCommandsTest, StartButtonsAndMenuItemsStartAGame) {
  for (int id : std::initializer_list<int>{kQuickStartButton, kCmdQuickStart}) {
    commands.dispatchCommand(id);
    EXPECT_EQ(memoTimer.opened, 0);
    EXPECT_EQ(state.running, 1) << id;
    state.running = 0;
  }
  for (int id : std::initializer_list<int>{kAnkiStartButton, kCmdAnkiStart}) {
    commands.dispatchCommand(id);
    EXPECT_EQ(state.running, 1) << id;
    state.running = 0;
  }
  EXPECT_EQ(memoTimer.opened, 2);
}

TEST_F(ReaderCommandsTest, SelectionDialogsAndOrderVariantsOnlyWhenIdle) {
  gameWaiting();
  commands.dispatchCommand(kCmdCardSelection);
  commands.dispatchCommand(kCmdThirdGame);
  commands.dispatchCommand(kTitlePicture);
  commands.dispatchCommand(kGestureMiddleDoubleClick);
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_EQ(state.orderVariant, 0);

  // Busy without a game: the test reading.
  state.running = 0;
  at(clock.nowMs() + 500, [this] {
    ASSERT_EQ(state.busy, kPlaying);
    commands.dispatchCommand(kCmdCardSelection);
    commands.dispatchCommand(kTitlePicture);
    commands.dispatchCommand(kGestureMiddleDoubleClick);
  });
  commands.dispatchCommand(kCmdTestReading);
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_EQ(state.orderVariant, 0);

  commands.dispatchCommand(kCmdCardSelection);
  commands.dispatchCommand(kCmdThirdGame);
  commands.dispatchCommand(kTitlePicture);
  EXPECT_EQ(state.orderVariant, 2);
  commands.dispatchCommand(kGestureMiddleDoubleClick);  // the later gesture wins
  EXPECT_EQ(state.orderVariant, 1);
  EXPECT_THAT(host.calls, ElementsAre("window CSelect", "window HSelect"));
}

TEST_F(ReaderCommandsTest, ModeCommandsSetRadioModeAndInterval) {
  struct Row {
    int id;
    ReadMode mode;  // the radio buttons' too
    double interval;
  };
  state.interval = 4.5;
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
    commands.dispatchCommand(row.id);
    EXPECT_EQ(view.radio, row.mode) << row.id;
    EXPECT_EQ(state.mode.load(), row.mode) << row.id;
    EXPECT_EQ(state.interval, row.interval) << row.id;
  }
}

TEST_F(ReaderCommandsTest, IntervalDefaultReadsTheSettingsFileAgain) {
  commands.dispatchCommand(kCmdIntervalDefault);  // no file: "3"
  EXPECT_EQ(state.interval, 3.0);
  EXPECT_EQ(state.mode.load(), ReadMode::Automatic);
  writeSettings("[Auto]\nItvl=2.5\n");
  commands.dispatchCommand(kCmdIntervalDefault);
  EXPECT_EQ(state.interval, 2.5);
  writeSettings("[auto]\nitvl = x7\n");
  commands.dispatchCommand(kCmdIntervalDefault);
  EXPECT_EQ(state.interval, 0.0);
}

TEST_F(ReaderCommandsTest, ModeAndReaderItemsActDuringAStep) {
  gameWaiting();
  at(clock.nowMs() + 2000, [this] {
    ASSERT_EQ(state.busy, kPlaying);
    commands.dispatchCommand(kCmdReader2);
    commands.dispatchCommand(kCmdInterval7);
  });
  commands.dispatchCommand(kNextButton);
  EXPECT_THAT(host.calls, ElementsAre("voice 2"));
  EXPECT_EQ(state.interval, 7.0);
}

TEST_F(ReaderCommandsTest, ReaderListHelpItemsGoToTheHost) {
  for (int id : {kCmdReader1, kCmdReader2, kCmdReader3, kCmdReader4, kCmdExportList,
                 kCmdImportList, kCmdHelp}) {
    commands.dispatchCommand(id);
  }
  EXPECT_THAT(host.calls, ElementsAre("voice 1", "voice 2", "voice 3", "voice 4", "export",
                                      "import", "help"));
  EXPECT_THAT(view.messages, IsEmpty());
}

TEST_F(ReaderCommandsTest, WithdrawItemVoidsTheLastCard) {
  gameWaiting();
  commands.dispatchCommand(kCmdWithdraw);
  EXPECT_EQ(state.position, 0);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "無効化");
}

TEST_F(ReaderCommandsTest, ExitMenuQuitsInAnyState) {
  commands.dispatchCommand(kCmdExit);
  EXPECT_EQ(view.quitRequests, 1);
  gameWaiting();
  commands.dispatchCommand(kCmdExit);
  EXPECT_EQ(view.quitRequests, 2);
  EXPECT_EQ(state.running, 1);
}

TEST_F(ReaderCommandsTest, ExitButtonFinishesAWaitingGameOrQuits) {
  commands.dispatchCommand(kExitButton);
  EXPECT_EQ(view.quitRequests, 1);
  gameWaiting();
  commands.dispatchCommand(kExitButton);
  EXPECT_EQ(view.quitRequests, 1);
  EXPECT_EQ(state.running, 0);
  EXPECT_EQ(sound.played().back(), "I-010B");
}

TEST_F(ReaderCommandsTest, AboutBox) {
  commands.dispatchCommand(kCmdAbout);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "fudayomi");
  EXPECT_EQ(view.messages[0].text, "札読みひばりくん Ver.2.90");
}

class ReaderCommandsEnglishTest : public ReaderCommandsTest {
 protected:
  ReaderCommandsEnglishTest() : ReaderCommandsTest(Language::English) {}
};

TEST_F(ReaderCommandsEnglishTest, AboutBox) {
  commands.dispatchCommand(kCmdAbout);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "fudayomi");
  EXPECT_EQ(view.messages[0].text, "fudayomi hibari kun Ver.2.90");
}

TEST_F(ReaderCommandsTest, RightDoubleClickStartsWithTheCountdownOnlyBeforeTheFirstGame) {
  state.memoState = kStartWithMemo;  // "Timer"/"Use" = "1"
  useOrder({10});
  commands.dispatchCommand(kGestureRightButton);
  commands.dispatchCommand(kGestureRightDoubleClick);
  EXPECT_EQ(memoTimer.opened, 1);
  EXPECT_EQ(state.running, 1);
  commands.dispatchCommand(kNextButton);  // the one card: game over
  ASSERT_EQ(state.running, 0);

  useOrder({10});
  commands.dispatchCommand(kGestureRightButton);
  commands.dispatchCommand(kGestureRightDoubleClick);
  EXPECT_EQ(memoTimer.opened, 1);
  EXPECT_EQ(state.running, 1);
}

TEST_F(ReaderCommandsTest, RightDoubleClickDuringAGameActsAsOnePress) {
  gameWaiting();
  const auto threadsBefore = threads.started;
  commands.dispatchCommand(kGestureRightButton);  // manual and idle: the next step
  commands.dispatchCommand(kGestureRightDoubleClick);
  EXPECT_EQ(threads.started, threadsBefore + 1);
  EXPECT_EQ(state.position, 2);
  EXPECT_EQ(memoTimer.opened, 0);
}

TEST_F(ReaderCommandsTest, RightButtonDuringAStepAsksItToStop) {
  gameWaiting();
  at(clock.nowMs() + 1600, [this] { commands.dispatchCommand(kGestureRightButton); });
  commands.dispatchCommand(kNextButton);
  EXPECT_EQ(state.position, 1);
  EXPECT_EQ(state.busy, kIdle);
}

TEST_F(ReaderCommandsTest, UnknownIdsAreIgnored) {
  gameWaiting();
  const auto events = sound.events().size();
  for (int id : std::initializer_list<int>{kStatusBar, kButtonFrame, kTimingTrackBar, kUpperVerseLabel, kModeGroupBox,
                 kCmdTimerLonger, kCmdTimerShorter, kCmdTimerStartNow, 0, 9999}) {
    commands.dispatchCommand(id);
  }
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_EQ(sound.events().size(), events);
  EXPECT_EQ(view.quitRequests, 0);
  EXPECT_EQ(state.running, 1);
}

}  // namespace
}  // namespace fuda::testing
