#include "core/countdown/countdown_run.h"

namespace fuda {

CountdownRun::CountdownRun(MemoCountdown& countdown, MemoLength length, Clock& clock,
                           Announcer& announcer, AnnouncementPause& pause)
    : countdown_(countdown), length_(length), clock_(clock), announcer_(announcer), pause_(pause) {}

void CountdownRun::begin(TimerFaceView& face) {
  face_ = &face;
  face.showHands(countdown_.lastTick);
  face.showCountdownText(initialDisplayText(length_));
}

void CountdownRun::start() {
  if (face_ != nullptr) face_->showCountdownText(initialDisplayText(length_));
  countdown_.countdownRunning = false;
  announcer_.announce(startAnnouncement(length_));
  pause_.pauseWithoutInput(kStartAnnouncementPauseMs);
  if (outcome_) return;
  startCountdown(countdown_, clock_.localTime(), length_);
}

TimerWindowAction CountdownRun::tick() {
  if (outcome_ || face_ == nullptr) return TimerWindowAction::StayOpen;
  const CountdownTick result = countdownTick(countdown_, clock_.localTime());
  if (!result.newSecond) return TimerWindowAction::StayOpen;
  face_->showHands(countdown_.lastTick);
  if (!result.displayText.empty()) face_->showCountdownText(result.displayText);
  if (result.announceTwoMinutes) announcer_.announce(kTwoMinuteAnnouncement);
  return result.ended ? finish(MemoOutcome::RanOut) : TimerWindowAction::StayOpen;
}

TimerWindowAction CountdownRun::dispatchCommand(TimerCommand command) {
  if (outcome_) return TimerWindowAction::Close;
  switch (command) {
    case TimerCommand::Start:
      start();
      break;
    case TimerCommand::Lengthen:
      lengthenCountdown(countdown_);
      break;
    case TimerCommand::Shorten:
      shortenCountdown(countdown_);
      break;
    case TimerCommand::EndNow:
      return finish(MemoOutcome::ClosedEarly);
  }
  return TimerWindowAction::StayOpen;
}

TimerWindowAction CountdownRun::closeBox() {
  if (outcome_) return TimerWindowAction::Close;
  return finish(MemoOutcome::ClosedEarly);
}

TimerWindowAction CountdownRun::finish(MemoOutcome outcome) {
  outcome_ = outcome;
  return TimerWindowAction::Close;
}

}  // namespace fuda
