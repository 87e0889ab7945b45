#include "core/countdown/memotimer_session.h"

#include "core/countdown/memotimer_ids.h"

namespace fuda {

MemotimerSession::MemotimerSession(Clock& clock, Announcer& announcer,
                                   MemotimerFrontEnd& frontEnd)
    : clock_(clock), announcer_(announcer), frontEnd_(frontEnd) {}

void MemotimerSession::begin(TimerFaceView& face) {
  face_ = &face;
  face.showCountdownText(initialDisplayText(MemoLength::Full));
}

void MemotimerSession::dispatchCommand(int id) {
  switch (id) {
    case kCmdMemoStart:
      start();
      break;
    case kCmdMemoLengthen:
      lengthenCountdown(countdown_);
      break;
    case kCmdMemoShorten:
      shortenCountdown(countdown_);
      break;
    case kCmdMemoExit:
      frontEnd_.closeProgram();
      break;
    default:
      break;
  }
}

void MemotimerSession::start() {
  if (face_ == nullptr) return;
  face_->showCountdownText(initialDisplayText(MemoLength::Full));
  // A countdown already running stops here: during the pause the ticks only
  // move the clock hands, and the display stays at 15:00.
  countdown_.countdownRunning = false;
  announcer_.announce(startAnnouncement(MemoLength::Full));
  frontEnd_.pauseWithoutInput(kStartAnnouncementPauseMs);
  if (closing_) return;
  startCountdown(countdown_, clock_.localTime(), MemoLength::Full);
}

void MemotimerSession::tick() {
  if (face_ == nullptr || closing_) return;
  if (showCountdownTick(countdown_, clock_.localTime(), *face_, announcer_) ==
      CountdownState::Counting) {
    return;
  }
  // The last display (normally " 0:00") is shown while the announcement
  // plays; the window takes no input until the program ends.
  frontEnd_.stopTicking();
  announcer_.announceAndWait(kEndAnnouncement);
  frontEnd_.closeProgram();
}

}  // namespace fuda
