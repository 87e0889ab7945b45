#include "core/countdown/memo_countdown.h"

#include <algorithm>
#include <cmath>

#include "core/encoding/number_text.h"

namespace fuda {

namespace {

constexpr double kOneHour = 3600.0;

void setMidnightRule(MemoCountdown& countdown) {
  countdown.wrapsMidnight = countdown.endSeconds >= kSecondsPerDay;
}

// The time of day on the countdown's own scale: once the end lies past
// midnight, the early hours belong to the next day. Normally that is the hour
// after midnight; a countdown lengthened to end later than that keeps the
// next day until an hour past its end, but never reaches back to the hour it
// started, so a lengthened countdown still ends instead of running on.
double countdownNow(const MemoCountdown& countdown, const LocalTime& time) {
  double now = secondsOfDay(time);
  if (countdown.wrapsMidnight) {
    const double nextDayBefore =
        std::min(countdown.startSeconds,
                 std::max(kOneHour, countdown.endSeconds - kSecondsPerDay + kOneHour));
    if (now < nextDayBefore) now += kSecondsPerDay;
  }
  return now;
}

// `text` padded on the left with `fill` to two characters; longer texts are
// kept whole (a countdown lengthened past 99 minutes shows all its digits).
std::string padTwo(std::string text, char fill) {
  while (text.size() < 2) text.insert(text.begin(), fill);
  return text;
}

}  // namespace

std::string initialDisplayText(MemoLength length) {
  return length == MemoLength::Full ? "15:00" : "5:00";
}

double secondsOfDay(const LocalTime& time) {
  return time.hour * 3600.0 + time.minute * 60.0 + time.second;
}

void startCountdown(MemoCountdown& countdown, const LocalTime& now, MemoLength length) {
  countdown.countdownRunning = true;
  countdown.startSeconds = secondsOfDay(now);
  countdown.endSeconds = countdown.startSeconds + memorisationSeconds(length);
  countdown.twoMinuteAnnounced = false;
  setMidnightRule(countdown);
}

std::string countdownText(double remainingSeconds) {
  const double minutes = std::floor(remainingSeconds / 60.0);
  const double seconds = remainingSeconds - minutes * 60.0;
  return padTwo(decimalText(minutes), ' ') + ":" + padTwo(decimalText(seconds), '0');
}

CountdownTick countdownTick(MemoCountdown& countdown, const LocalTime& now) {
  CountdownTick tick;
  const int keptSecond = countdown.lastTick.second;
  countdown.lastTick = now;
  if (now.second == keptSecond) return tick;
  tick.newSecond = true;
  if (!countdown.countdownRunning) return tick;

  countdown.remaining = countdown.endSeconds - countdownNow(countdown, now);
  countdown.minutes = std::floor(countdown.remaining / 60.0);
  countdown.seconds = countdown.remaining - countdown.minutes * 60.0;
  tick.displayText = countdownText(countdown.remaining);

  // Thresholds, not equalities: a late tick that skips the exact second
  // still announces and ends.
  if (!countdown.twoMinuteAnnounced && countdown.remaining < kTwoMinuteMarkBelow) {
    countdown.twoMinuteAnnounced = true;
    tick.announceTwoMinutes = true;
  }
  if (countdown.remaining < kEndBelow) {
    tick.ended = true;
    // A finished countdown acts no more, whatever its window does next.
    countdown.countdownRunning = false;
  }
  return tick;
}

void lengthenCountdown(MemoCountdown& countdown) {
  countdown.endSeconds += kMinuteCommandSeconds;
  setMidnightRule(countdown);
}

void shortenCountdown(MemoCountdown& countdown) {
  countdown.endSeconds -= kMinuteCommandSeconds;
  setMidnightRule(countdown);
}

}  // namespace fuda
