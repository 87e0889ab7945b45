#pragma once
// The memorisation countdown shared by the reader's timer window and the
// memotimer program: its record, the start, the tick that runs about every
// 10 ms and acts once per new second, the display text, the announcement
// schedule and the minute commands. Time comes in as the local time of day
// read from the Clock port, so the logic runs the same in virtual time.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ports/clock.h"

namespace fuda {

inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kFullMemorisationSeconds = 900.0;   // 15 minutes
inline constexpr double kThirdMemorisationSeconds = 300.0;  // one-third game
inline constexpr double kTwoMinuteMarkBelow = 121.0;  // "nifun" once below this
inline constexpr double kEndBelow = 1.0;              // the end once below this
inline constexpr double kMinuteCommandSeconds = 60.0;

inline constexpr std::string_view kStartAnnouncement = "anki_s";
inline constexpr std::string_view kThirdStartAnnouncement = "anki_5";
inline constexpr std::string_view kTwoMinuteAnnouncement = "nifun";
inline constexpr std::string_view kEndAnnouncement = "shiai_s";

// How long the memorisation lasts: the whole game or a one-third game.
enum class MemoLength { Full, Third };

// `thirdChoice` 0 is no one-third game; 1 to 3 choose a third.
constexpr MemoLength memoLengthFor(int thirdChoice) {
  return thirdChoice == 0 ? MemoLength::Full : MemoLength::Third;
}
constexpr double memorisationSeconds(MemoLength length) {
  return length == MemoLength::Full ? kFullMemorisationSeconds : kThirdMemorisationSeconds;
}
constexpr std::string_view startAnnouncement(MemoLength length) {
  return length == MemoLength::Full ? kStartAnnouncement : kThirdStartAnnouncement;
}
// What the display shows before the first new second: "15:00" or "5:00".
std::string initialDisplayText(MemoLength length);

// One countdown. Owned by the GUI thread; lastTick survives from one run to
// the next, so the clock hands of a fresh window show the last time seen
// (midnight before the first run).
struct MemoCountdown {
  double startSeconds = 0.0;  // time of day at the start, in seconds
  double endSeconds = 0.0;    // may lie past midnight (>= 86400)
  bool wrapsMidnight = false;
  bool twoMinuteAnnounced = false;
  // False until a countdown has been started; the memotimer program idles
  // without one and only moves its clock hands.
  bool countdownRunning = false;
  LocalTime lastTick{};
  double remaining = 0.0;
  double minutes = 0.0;
  double seconds = 0.0;
};

// Seconds since midnight of a local time, ignoring the milliseconds.
double secondsOfDay(const LocalTime& time);

// Starts a countdown of `length` at the local time `now`.
void startCountdown(MemoCountdown& countdown, const LocalTime& now, MemoLength length);

// What one tick found. Everything but newSecond is false or empty on ticks
// that see no new second, or while no countdown runs.
struct CountdownTick {
  bool newSecond = false;         // repaint: the clock hands move
  std::string displayText;        // the new display, when counting
  bool announceTwoMinutes = false;  // start "nifun" (once per run)
  bool ended = false;             // the memorisation is over
};

// Reads `now` into lastTick and, at a new second of a running countdown,
// computes the remaining time and what to do. When both announcements fall
// on one tick, "nifun" comes first.
CountdownTick countdownTick(MemoCountdown& countdown, const LocalTime& now);

// The display text for a remaining time in whole seconds: blank-padded
// minutes, ":", zero-padded seconds. 545 gives " 9:05", -31 gives "-1:29".
std::string countdownText(double remainingSeconds);

// The minute commands: move the end by a minute either way and set the
// midnight rule again. No limit, the two-minute flag is left alone.
void lengthenCountdown(MemoCountdown& countdown);
void shortenCountdown(MemoCountdown& countdown);

}  // namespace fuda
