#pragma once
// The memotimer program without its window: the clock runs from the start,
// the countdown only once started (and it may be started again at any time);
// at zero the end announcement is heard whole and the program ends. The
// front end's window only draws and forwards: it builds its face, calls
// tick() every kCountdownTickMs, forwards its menu commands, and closes when
// told.
#include "core/countdown/announcer.h"
#include "core/countdown/countdown_run.h"
#include "core/countdown/memo_countdown.h"
#include "core/countdown/timer_command.h"
#include "core/ports/announcement_pause.h"
#include "core/ports/clock.h"
#include "core/ports/timer_face_view.h"

namespace fuda {

// What the memotimer asks of its window. GUI thread.
class MemotimerFrontEnd : public AnnouncementPause {
 public:
  // The countdown is over: no more ticks, and the face is painted now, as
  // the end announcement is heard before the program ends.
  virtual void stopTicking() = 0;
  // Ends the program (closes the window).
  virtual void closeProgram() = 0;
};

class MemotimerSession {
 public:
  MemotimerSession(Clock& clock, Announcer& announcer, MemotimerFrontEnd& frontEnd);

  // GUI thread, once the window has its face: shows "15:00".
  void begin(TimerFaceView& face) { run_.begin(face); }
  // Start, Lengthen, Shorten; EndNow ends the program.
  void dispatchCommand(TimerCommand command);
  // Every kCountdownTickMs.
  void tick();
  // The window is closing (close box, exit, signal): a start still waiting
  // out its announcement starts nothing.
  void closing() { run_.closeBox(); }

  const MemoCountdown& countdown() const { return countdown_; }

 private:
  Announcer& announcer_;
  MemotimerFrontEnd& frontEnd_;
  MemoCountdown countdown_;
  CountdownRun run_;
};

}  // namespace fuda
