#include "core/countdown/countdown_face.h"

namespace fuda {

CountdownState showCountdownTick(MemoCountdown& countdown, const LocalTime& now,
                                 TimerFaceView& face, Announcer& announcer) {
  const CountdownTick result = countdownTick(countdown, now);
  if (!result.newSecond) return CountdownState::Counting;
  face.showHands(countdown.lastTick);
  if (!result.displayText.empty()) face.showCountdownText(result.displayText);
  if (result.announceTwoMinutes) announcer.announce(kTwoMinuteAnnouncement);
  return result.ended ? CountdownState::Ended : CountdownState::Counting;
}

}  // namespace fuda
