#pragma once
// The memotimer program without its window: the clock runs from the start,
// the countdown only once started (and it may be started again at any time);
// at zero the end announcement is heard whole and the program ends. The
// front end's window only draws and forwards: it builds its face, calls
// tick() every kCountdownTickMs, forwards its menu commands, and closes when
// told.
#include "core/countdown/announcer.h"
#include "core/ports/clock.h"
#include "core/countdown/countdown_face.h"
#include "core/countdown/memo_countdown.h"
#include "core/ports/timer_face_view.h"

namespace fuda {

// What the memotimer asks of its window. GUI thread.
class MemotimerFrontEnd {
 public:
  virtual ~MemotimerFrontEnd() = default;
  // Waits `ms` while the window ignores the keyboard and the mouse.
  virtual void pauseWithoutInput(double ms) = 0;
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
  void begin(TimerFaceView& face);
  // kCmdMemoStart, kCmdMemoLengthen, kCmdMemoShorten, kCmdMemoExit; others
  // ignored.
  void dispatchCommand(int id);
  // Every kCountdownTickMs.
  void tick();
  // The window is closing (close box, exit, signal): a start still waiting
  // out its announcement starts nothing.
  void closing() { closing_ = true; }

  const MemoCountdown& countdown() const { return countdown_; }

 private:
  void start();

  Clock& clock_;
  Announcer& announcer_;
  MemotimerFrontEnd& frontEnd_;
  TimerFaceView* face_ = nullptr;
  MemoCountdown countdown_;
  bool closing_ = false;
};

}  // namespace fuda
