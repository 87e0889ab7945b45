// The memorisation before a game, in virtual time: the start announcement,
// the input-free pause, the "Timer" window's countdown with its commands and
// announcements, and the outcome returned. The front end here opens the
// window by beginning its run and ticking it every 10 ms until told to close.
#include "core/countdown/memo_timer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/screen/tool_window_names.h"
#include "tests/fakes/fake_ports.h"

namespace fuda::testing {
namespace {

class RecordingFace : public TimerFaceView {
 public:
  void showCountdownText(std::string_view text) override { texts.emplace_back(text); }
  void showHands(const LocalTime& time) override { hands.push_back(time); }
  std::string shown() const { return texts.empty() ? "" : texts.back(); }
  std::vector<std::string> texts;
  std::vector<LocalTime> hands;
};

constexpr double kWindowLimitMs = 30 * 60 * 1000;

class MemoTimerTest : public ::testing::Test, public ReaderFrontEnd {
 protected:
  MemoTimerTest() { clock.setLocalStart(10, 0, 0); }

  void openToolWindow(std::string_view name) override {
    ASSERT_EQ(name, kTimerWindowName);
    CountdownRun* run = timer.current();
    ASSERT_NE(run, nullptr);
    ++windowsOpened;
    openedAtMs = clock.nowMs();
    face = RecordingFace{};
    run->begin(face);
    firstDisplay = face.shown();
    if (onOpen) onOpen(*run);
    // No countdown here runs beyond half an hour; one that does never ends.
    const double giveUpAtMs = openedAtMs + kWindowLimitMs;
    while (!closed(*run)) {
      if (clock.nowMs() >= giveUpAtMs) {
        ADD_FAILURE() << "the window was never told to close";
        break;
      }
      clock.advanceTo(clock.nowMs() + kCountdownTickMs);
      if (run->tick() == TimerWindowAction::Close) break;
    }
    closedAtMs = clock.nowMs();
  }
  void openHelp(const std::filesystem::path&) override {}
  void pauseWithoutInput(double ms) override {
    pauses.push_back(ms);
    clock.advanceTo(clock.nowMs() + ms);
  }

  // Runs `command` on the open window at virtual time `atMs`.
  void commandAt(double atMs, TimerCommand command, int times = 1) {
    clock.at(atMs, [this, command, times] {
      for (int i = 0; i < times; ++i) {
        if (timer.current()->dispatchCommand(command) == TimerWindowAction::Close) close_ = true;
      }
    });
  }
  void closeBoxAt(double atMs) {
    clock.at(atMs, [this] { close_ = timer.current()->closeBox() == TimerWindowAction::Close; });
  }
  bool closed(CountdownRun&) {
    const bool wanted = close_;
    close_ = false;
    return wanted;
  }

  VirtualClock clock;
  RecordingSound sound{clock};
  RecordingMessages messages;
  FakeClipSource clips{messages};
  InlineThreads threads;
  Announcer announcer{threads, clips, sound};
  CardSelection selection;
  MemoTimer timer{selection, clock, announcer, *this};
  RecordingFace face;
  std::function<void(CountdownRun&)> onOpen;
  std::vector<double> pauses;
  int windowsOpened = 0;
  double openedAtMs = 0, closedAtMs = 0;
  std::string firstDisplay;
  bool close_ = false;
};

constexpr double kFifteenMinutesMs = 15 * 60 * 1000;

TEST_F(MemoTimerTest, AnnouncesWaitsFourSecondsThenCountsDownToZero) {
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::RanOut);
  EXPECT_EQ(pauses, (std::vector<double>{4000}));
  EXPECT_DOUBLE_EQ(openedAtMs, 4000);
  EXPECT_EQ(firstDisplay, "15:00");
  EXPECT_EQ(face.shown(), " 0:00");
  EXPECT_DOUBLE_EQ(closedAtMs, 4000 + kFifteenMinutesMs);
  EXPECT_EQ(timer.current(), nullptr);
  const auto& events = sound.events();
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"anki_s", "nifun", "shiai_s"}));
  EXPECT_DOUBLE_EQ(events[0].calledAtMs, 0);
  EXPECT_DOUBLE_EQ(events[1].calledAtMs, 4000 + 13 * 60 * 1000);
  // The end announcement is started, not waited for: the reading's own
  // opening waits for it.
  EXPECT_EQ(events[2].kind, RecordingSound::Kind::Async);
  EXPECT_DOUBLE_EQ(events[2].calledAtMs, closedAtMs);
}

TEST_F(MemoTimerTest, ACountdownAcrossMidnightEndsOnTime) {
  // 23:49:56 + the 4 s pause: the window opens at 23:50:00 and ends at 00:05.
  clock.setLocalStart(23, 49, 56);
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::RanOut);
  EXPECT_DOUBLE_EQ(timer.countdown().endSeconds, 86700);
  EXPECT_DOUBLE_EQ(closedAtMs, 4000 + kFifteenMinutesMs);
}

TEST_F(MemoTimerTest, ACountdownEndingAtMidnightEnds) {
  clock.setLocalStart(23, 44, 56);
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::RanOut);
  EXPECT_DOUBLE_EQ(timer.countdown().endSeconds, 86400);
  EXPECT_DOUBLE_EQ(closedAtMs, 4000 + kFifteenMinutesMs);
}

TEST_F(MemoTimerTest, LengtheningAfterTheTwoMinuteMarkPlaysNifunOnce) {
  commandAt(4000 + 13 * 60 * 1000 + 30 * 1000 + 500, TimerCommand::Lengthen);
  std::string shown;
  clock.at(4000 + 13 * 60 * 1000 + 31 * 1000 + 500, [&] { shown = face.shown(); });
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::RanOut);
  EXPECT_EQ(shown, " 2:29");
  EXPECT_DOUBLE_EQ(closedAtMs, 4000 + 16 * 60 * 1000);
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"anki_s", "nifun", "shiai_s"}));
}

TEST_F(MemoTimerTest, ShorteningThreeTimesAtTwoThirtyEndsInOneTick) {
  const double twoThirty = 4000 + 12 * 60 * 1000 + 30 * 1000;
  std::string shown;
  clock.at(twoThirty + 500, [&] { shown = face.shown(); });
  commandAt(twoThirty + 500, TimerCommand::Shorten, 3);
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::RanOut);
  EXPECT_EQ(shown, " 2:30");
  EXPECT_EQ(face.shown(), "-1:29");
  const auto& events = sound.events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].clip, "nifun");
  EXPECT_EQ(events[2].clip, "shiai_s");
  EXPECT_DOUBLE_EQ(events[1].calledAtMs, twoThirty + 1000);
  EXPECT_DOUBLE_EQ(events[2].calledAtMs, twoThirty + 1000);
  EXPECT_DOUBLE_EQ(events[2].heardUntilMs, twoThirty + 1000 + 2000);  // heard whole
}

TEST_F(MemoTimerTest, LengtheningAtHalfAMinuteToMidnightEndsAtFiftyPast) {
  clock.setLocalStart(23, 44, 46);  // window at 23:44:50, end 86390
  commandAt(4000 + 14 * 60 * 1000 + 40 * 1000 + 500, TimerCommand::Lengthen);  // 23:59:30
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::RanOut);
  EXPECT_DOUBLE_EQ(timer.countdown().endSeconds, 86450);
  EXPECT_DOUBLE_EQ(closedAtMs, 4000 + 16 * 60 * 1000);  // 00:00:50
}

TEST_F(MemoTimerTest, LateTickStillEnds) {
  // The GUI thread is held up for 20 s across zero.
  clock.at(4000 + 14 * 60 * 1000 + 50 * 1000 + 5, [&] { clock.sleepMs(20 * 1000); });
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::RanOut);
  EXPECT_EQ(face.shown(), "-1:50");
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"anki_s", "nifun", "shiai_s"}));
}

TEST_F(MemoTimerTest, OneThirdGameCountsFiveMinutesAfterAnki5) {
  selection.thirdChoice = 2;
  std::string shown;
  clock.at(5000 + 5, [&] { shown = face.shown(); });
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::RanOut);
  EXPECT_EQ(firstDisplay, "5:00");
  EXPECT_EQ(shown, " 4:59");
  EXPECT_DOUBLE_EQ(closedAtMs, 4000 + 5 * 60 * 1000);
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"anki_5", "nifun", "shiai_s"}));
  EXPECT_DOUBLE_EQ(sound.events()[1].calledAtMs, 4000 + 3 * 60 * 1000);
}

TEST_F(MemoTimerTest, StartNowOrTheCloseBoxEndsEarlyAndPlaysNothingMore) {
  commandAt(30 * 1000, TimerCommand::EndNow);
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::ClosedEarly);
  EXPECT_DOUBLE_EQ(closedAtMs, 30 * 1000);

  closeBoxAt(closedAtMs + 60 * 1000);
  EXPECT_EQ(timer.openMemoTimer(), MemoOutcome::ClosedEarly);
  EXPECT_EQ(sound.played(), (std::vector<std::string>{"anki_s", "anki_s"}));
  EXPECT_EQ(windowsOpened, 2);
}

TEST_F(MemoTimerTest, HandsFirstShowThePreviousRunsLastTime) {
  std::vector<LocalTime> firstHands;
  onOpen = [&](CountdownRun& run) {
    firstHands.push_back(face.hands.front());
    clock.advanceTo(clock.nowMs() + 7000);
    run.tick();
    close_ = run.dispatchCommand(TimerCommand::EndNow) == TimerWindowAction::Close;
  };
  timer.openMemoTimer();
  timer.openMemoTimer();
  ASSERT_EQ(firstHands.size(), 2u);
  EXPECT_EQ(firstHands[0].hour, 0);  // midnight on the first run
  EXPECT_EQ(firstHands[1].hour, 10);
  EXPECT_EQ(firstHands[1].second, 11);
}

}  // namespace
}  // namespace fuda::testing
