#include "core/countdown/memo_timer.h"

#include "core/screen/control_ids.h"
#include "core/screen/tool_window_names.h"

namespace fuda {

MemoTimerRun::MemoTimerRun(MemoCountdown& countdown, MemoLength length, Clock& clock,
                           Announcer& announcer)
    : countdown_(countdown), length_(length), clock_(clock), announcer_(announcer) {}

void MemoTimerRun::begin(TimerFaceView& face) {
  face_ = &face;
  // The hands show the last time seen until the first new second.
  face.showHands(countdown_.lastTick);
  face.showCountdownText(initialDisplayText(length_));
  startCountdown(countdown_, clock_.localTime(), length_);
}

TimerWindowAction MemoTimerRun::tick() {
  if (outcome_ || face_ == nullptr) return TimerWindowAction::StayOpen;
  if (showCountdownTick(countdown_, clock_.localTime(), *face_, announcer_) ==
      CountdownState::Counting) {
    return TimerWindowAction::StayOpen;
  }
  announcer_.announce(kEndAnnouncement);
  return finish(MemoOutcome::RanOut);
}

TimerWindowAction MemoTimerRun::dispatchCommand(int id) {
  if (outcome_) return TimerWindowAction::Close;
  switch (id) {
    case kCmdTimerLonger:
      lengthenCountdown(countdown_);
      break;
    case kCmdTimerShorter:
      shortenCountdown(countdown_);
      break;
    case kCmdTimerStartNow:
      return finish(MemoOutcome::ClosedEarly);
    default:
      break;
  }
  return TimerWindowAction::StayOpen;
}

TimerWindowAction MemoTimerRun::closeBox() {
  if (outcome_) return TimerWindowAction::Close;
  return finish(MemoOutcome::ClosedEarly);
}

TimerWindowAction MemoTimerRun::finish(MemoOutcome outcome) {
  outcome_ = outcome;
  return TimerWindowAction::Close;
}

MemoTimer::MemoTimer(const CardSelection& selection, Clock& clock, Announcer& announcer,
                     ReaderFrontEnd& frontEnd)
    : selection_(selection), clock_(clock), announcer_(announcer), frontEnd_(frontEnd) {}

MemoOutcome MemoTimer::openMemoTimer() {
  const MemoLength length = memoLengthFor(selection_.thirdChoice.load());
  announcer_.announce(startAnnouncement(length));
  frontEnd_.pauseWithoutInput(kStartAnnouncementPauseMs);
  current_.emplace(countdown_, length, clock_, announcer_);
  frontEnd_.openToolWindow(kTimerWindowName);
  // A window that never opened (the program is ending) ran nothing out.
  const MemoOutcome outcome = current_->outcome().value_or(MemoOutcome::ClosedEarly);
  current_.reset();
  return outcome;
}

}  // namespace fuda
