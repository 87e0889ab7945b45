#include "core/countdown/memo_countdown.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/fakes/fake_ports.h"

namespace fuda {
namespace {

using testing::VirtualClock;

LocalTime at(int hour, int minute, int second) {
  LocalTime time;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return time;
}

// A countdown driven as the windows drive it: a tick every 10 ms of virtual
// time, reading the local time from the clock.
class CountdownRun {
 public:
  CountdownRun(int hour, int minute, int second, MemoLength length = MemoLength::Full) {
    clock.setLocalStart(hour, minute, second);
    startCountdown(countdown, clock.localTime(), length);
  }

  // Ticks until virtual time `untilMs` or the end, whichever comes first.
  void runUntil(double untilMs) {
    while (!endedAtMs && clock.nowMs() < untilMs) {
      clock.advanceTo(clock.nowMs() + 10.0);
      tick();
    }
  }
  void tick() {
    const CountdownTick result = countdownTick(countdown, clock.localTime());
    if (!result.displayText.empty()) {
      texts.push_back(result.displayText);
      lastText = result.displayText;
    }
    if (result.announceTwoMinutes) {
      announcements.push_back("nifun@" + lastText);
    }
    if (result.ended) {
      announcements.push_back("end@" + lastText);
      endedAtMs = clock.nowMs();
    }
  }
  // The local time of day now, as "hh:mm:ss".
  std::string timeOfDay() {
    const LocalTime t = clock.localTime();
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
  }

  VirtualClock clock;
  MemoCountdown countdown;
  std::vector<std::string> texts;
  std::string lastText;
  std::vector<std::string> announcements;
  std::optional<double> endedAtMs;
};

TEST(CountdownText, PadsMinutesWithBlanksAndSecondsWithZeros) {
  EXPECT_EQ(countdownText(899), "14:59");
  EXPECT_EQ(countdownText(545), " 9:05");
  EXPECT_EQ(countdownText(120), " 2:00");
  EXPECT_EQ(countdownText(0), " 0:00");
  EXPECT_EQ(countdownText(-31), "-1:29");  // minutes are floored
  EXPECT_EQ(countdownText(-60), "-1:00");
  // Past 99 minutes every digit stays.
  EXPECT_EQ(countdownText(6000), "100:00");
  EXPECT_EQ(initialDisplayText(MemoLength::Full), "15:00");
  EXPECT_EQ(initialDisplayText(MemoLength::Third), "5:00");
}

TEST(MemoCountdown, ThirdChoicePicksLengthAndStartAnnouncement) {
  EXPECT_EQ(memoLengthFor(0), MemoLength::Full);
  EXPECT_EQ(memoLengthFor(2), MemoLength::Third);
  EXPECT_EQ(startAnnouncement(MemoLength::Full), "anki_s");
  EXPECT_EQ(startAnnouncement(MemoLength::Third), "anki_5");
}

TEST(MemoCountdown, FullRunAnnouncesTwoMinutesAtTwoAndEndsAtZero) {
  CountdownRun run(10, 0, 0);
  EXPECT_DOUBLE_EQ(run.countdown.startSeconds, 36000);
  EXPECT_DOUBLE_EQ(run.countdown.endSeconds, 36900);
  EXPECT_EQ(run.countdown.wrapsMidnight, 0);
  run.runUntil(16 * 60 * 1000);
  ASSERT_TRUE(run.endedAtMs);
  EXPECT_EQ(run.timeOfDay(), "10:15:00");
  EXPECT_EQ(run.texts.front(), "14:59");
  EXPECT_EQ(run.texts.back(), " 0:00");
  EXPECT_EQ(run.texts.size(), 900u);  // once per second, no repeats
  EXPECT_EQ(run.announcements, (std::vector<std::string>{"nifun@ 2:00", "end@ 0:00"}));
}

TEST(MemoCountdown, StartAtTenToMidnightRunsOverMidnight) {
  CountdownRun run(23, 50, 0);
  EXPECT_DOUBLE_EQ(run.countdown.endSeconds, 86700);
  EXPECT_EQ(run.countdown.wrapsMidnight, 1);
  run.runUntil((14 * 60 + 59) * 1000.0 + 5);
  EXPECT_EQ(run.timeOfDay(), "00:04:59");
  EXPECT_EQ(run.lastText, " 0:01");
  EXPECT_FALSE(run.endedAtMs);
  run.runUntil(16 * 60 * 1000);
  ASSERT_TRUE(run.endedAtMs);
  EXPECT_EQ(run.timeOfDay(), "00:05:00");
  EXPECT_EQ(run.lastText, " 0:00");
}

TEST(MemoCountdown, StartAtQuarterToMidnightEndsAtMidnight) {
  CountdownRun run(23, 45, 0);
  EXPECT_DOUBLE_EQ(run.countdown.endSeconds, 86400);
  EXPECT_EQ(run.countdown.wrapsMidnight, 1);
  run.runUntil(16 * 60 * 1000);
  ASSERT_TRUE(run.endedAtMs);
  EXPECT_EQ(run.timeOfDay(), "00:00:00");
  EXPECT_EQ(run.lastText, " 0:00");
}

TEST(MemoCountdown, LengtheningAfterTwoMinutesGoesBackAboveTwoWithoutSecondNifun) {
  CountdownRun run(10, 0, 0);
  run.runUntil(13 * 60 * 1000 + 30 * 1000 + 5);  // " 1:30" shown
  EXPECT_EQ(run.lastText, " 1:30");
  lengthenCountdown(run.countdown);
  run.runUntil(13 * 60 * 1000 + 31 * 1000 + 5);
  EXPECT_EQ(run.lastText, " 2:29");
  run.runUntil(20 * 60 * 1000);
  EXPECT_EQ(run.timeOfDay(), "10:16:00");
  EXPECT_EQ(run.announcements, (std::vector<std::string>{"nifun@ 2:00", "end@ 0:00"}));
}

TEST(MemoCountdown, ShorteningThreeTimesAtTwoThirtyEndsInOneTick) {
  CountdownRun run(10, 0, 0);
  run.runUntil(12 * 60 * 1000 + 30 * 1000 + 5);
  EXPECT_EQ(run.lastText, " 2:30");
  EXPECT_TRUE(run.announcements.empty());
  for (int i = 0; i < 3; ++i) shortenCountdown(run.countdown);
  run.runUntil(13 * 60 * 1000);
  ASSERT_TRUE(run.endedAtMs);
  EXPECT_DOUBLE_EQ(run.countdown.remaining, -31);
  EXPECT_EQ(run.lastText, "-1:29");
  EXPECT_EQ(run.announcements, (std::vector<std::string>{"nifun@-1:29", "end@-1:29"}));
  EXPECT_EQ(run.timeOfDay(), "10:12:31");
}

TEST(MemoCountdown, LengtheningJustBeforeMidnightMovesTheEndPastIt) {
  // Started at 23:44:50: the end is 86390, ten seconds before midnight.
  CountdownRun run(23, 44, 50);
  EXPECT_DOUBLE_EQ(run.countdown.endSeconds, 86390);
  EXPECT_EQ(run.countdown.wrapsMidnight, 0);
  run.runUntil(14 * 60 * 1000 + 40 * 1000 + 5);
  EXPECT_EQ(run.timeOfDay(), "23:59:30");
  lengthenCountdown(run.countdown);
  EXPECT_DOUBLE_EQ(run.countdown.endSeconds, 86450);
  EXPECT_EQ(run.countdown.wrapsMidnight, 1);
  run.runUntil(20 * 60 * 1000);
  ASSERT_TRUE(run.endedAtMs);
  EXPECT_EQ(run.timeOfDay(), "00:00:50");
  // Shortening back below midnight clears the rule again.
  shortenCountdown(run.countdown);
  EXPECT_EQ(run.countdown.wrapsMidnight, 0);
}

TEST(MemoCountdown, LateTicksStillAnnounceAndEnd) {
  CountdownRun run(10, 0, 0);
  run.runUntil(12 * 60 * 1000 + 55 * 1000 + 5);
  EXPECT_EQ(run.lastText, " 2:05");
  // The GUI thread is held up for 15 s: the next tick sees 1:50 at once.
  run.clock.advanceTo(13 * 60 * 1000 + 10 * 1000 + 5);
  run.tick();
  EXPECT_EQ(run.lastText, " 1:50");
  EXPECT_EQ(run.announcements, (std::vector<std::string>{"nifun@ 1:50"}));
  // Held up again across zero.
  run.clock.advanceTo(15 * 60 * 1000 + 7 * 1000 + 5);
  run.tick();
  EXPECT_EQ(run.lastText, "-1:53");
  EXPECT_EQ(run.announcements.back(), "end@-1:53");
}

TEST(MemoCountdown, OneThirdGameCountsFiveMinutes) {
  CountdownRun run(10, 0, 0, MemoLength::Third);
  EXPECT_DOUBLE_EQ(run.countdown.endSeconds, 36300);
  run.runUntil(6 * 60 * 1000);
  EXPECT_EQ(run.texts.front(), " 4:59");
  EXPECT_EQ(run.announcements, (std::vector<std::string>{"nifun@ 2:00", "end@ 0:00"}));
  EXPECT_EQ(run.timeOfDay(), "10:05:00");
}

TEST(MemoCountdown, ActsOncePerNewSecondOnly) {
  MemoCountdown countdown;
  startCountdown(countdown, at(10, 0, 0), MemoLength::Full);
  // lastTick starts at midnight, second 0: the start second itself is not new.
  EXPECT_FALSE(countdownTick(countdown, at(10, 0, 0)).newSecond);
  const CountdownTick first = countdownTick(countdown, at(10, 0, 1));
  EXPECT_TRUE(first.newSecond);
  EXPECT_EQ(first.displayText, "14:59");
  const CountdownTick same = countdownTick(countdown, at(10, 0, 1));
  EXPECT_FALSE(same.newSecond);
  EXPECT_TRUE(same.displayText.empty());
  EXPECT_EQ(countdown.lastTick.second, 1);
}

TEST(MemoCountdown, IdleCountdownOnlyMovesTheClock) {
  MemoCountdown countdown;  // never started: the memotimer before its start
  const CountdownTick tick = countdownTick(countdown, at(9, 30, 7));
  EXPECT_TRUE(tick.newSecond);
  EXPECT_TRUE(tick.displayText.empty());
  EXPECT_FALSE(tick.announceTwoMinutes);
  EXPECT_FALSE(tick.ended);
  EXPECT_EQ(countdown.lastTick.minute, 30);
}

TEST(MemoCountdown, SixteenShorteningsEndAtTheNextSecondWithNifun) {
  MemoCountdown countdown;
  startCountdown(countdown, at(10, 0, 0), MemoLength::Full);
  for (int i = 0; i < 16; ++i) shortenCountdown(countdown);
  const CountdownTick tick = countdownTick(countdown, at(10, 0, 1));
  EXPECT_TRUE(tick.announceTwoMinutes);
  EXPECT_TRUE(tick.ended);
  EXPECT_EQ(tick.displayText, "-2:59");
  // An ended countdown does nothing more.
  EXPECT_FALSE(countdownTick(countdown, at(10, 0, 2)).ended);
}

TEST(MemoCountdown, RestartGivesAFreshRunWithItsOwnTwoMinuteMark) {
  MemoCountdown countdown;
  startCountdown(countdown, at(10, 0, 0), MemoLength::Full);
  EXPECT_TRUE(countdownTick(countdown, at(10, 13, 1)).announceTwoMinutes);
  startCountdown(countdown, at(10, 13, 30), MemoLength::Full);
  EXPECT_EQ(countdown.twoMinuteAnnounced, 0);
  EXPECT_EQ(countdownTick(countdown, at(10, 13, 31)).displayText, "14:59");
  EXPECT_TRUE(countdownTick(countdown, at(10, 26, 30)).announceTwoMinutes);
}

TEST(MemoCountdown, LengthenedFarPastOneInTheMorningStillEnds) {
  MemoCountdown countdown;
  startCountdown(countdown, at(23, 50, 0), MemoLength::Full);
  for (int i = 0; i < 90; ++i) lengthenCountdown(countdown);  // ends 01:35
  EXPECT_EQ(countdownTick(countdown, at(1, 10, 1)).displayText, "24:59");
  EXPECT_TRUE(countdownTick(countdown, at(1, 35, 0)).ended);
}

}  // namespace
}  // namespace fuda
