#pragma once
// The memotimer's one window as a page: the countdown display and the clock
// hands drawn by the page, the four commands of its menu forwarded to the
// core's MemotimerSession, ticked on the core thread.
#include <atomic>

#include "core/countdown/announcer.h"
#include "core/countdown/memotimer_session.h"
#include "core/ports/clock.h"
#include "frontends/web/core_thread.h"
#include "frontends/web/web_timer_face.h"

namespace fuda {

class WebMemotimer : private MemotimerFrontEnd {
 public:
  WebMemotimer(CoreThread& core, Clock& clock, Announcer& announcer)
      : core_(core), clock_(clock), session_(clock, announcer, *this) {}

  // Core thread: shows the face, then runs the page's tasks and the ticks
  // until the program ends.
  void run();
  // Core thread: kCmdMemoStart...; others do nothing.
  void dispatchCommand(int id);
  // Any thread: the page is going away.
  void quit();

 private:
  // MemotimerFrontEnd, core thread. The pause ticks on (the hands move) but
  // runs no command of the page's, which takes no input meanwhile.
  void pauseWithoutInput(double ms) override;
  void stopTicking() override { ticking_ = false; }
  void closeProgram() override {
    session_.closing();
    quit();
  }
  void tick();

  CoreThread& core_;
  Clock& clock_;
  WebTimerFace face_;
  MemotimerSession session_;
  bool ticking_ = true;
  std::atomic<bool> quit_{false};
};

}  // namespace fuda
