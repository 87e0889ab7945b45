#include "core/countdown/memotimer_session.h"

namespace fuda {

MemotimerSession::MemotimerSession(Clock& clock, Announcer& announcer, MemotimerFrontEnd& frontEnd)
    : announcer_(announcer),
      frontEnd_(frontEnd),
      run_(countdown_, MemoLength::Full, clock, announcer, frontEnd) {}

void MemotimerSession::dispatchCommand(TimerCommand command) {
  if (run_.outcome()) return;  // the window is closing
  if (run_.dispatchCommand(command) == TimerWindowAction::Close) frontEnd_.closeProgram();
}

void MemotimerSession::tick() {
  if (run_.tick() == TimerWindowAction::StayOpen) return;
  // The last display (normally " 0:00") is shown while the announcement
  // plays; the window takes no input until the program ends.
  frontEnd_.stopTicking();
  announcer_.announceAndWait(kEndAnnouncement);
  frontEnd_.closeProgram();
}

}  // namespace fuda
