#include "frontends/web/web_memotimer.h"

#include <string>

#include "core/countdown/countdown_run.h"
#include "core/screen/timer_window_layout.h"
#include "frontends/web/page_call.h"

namespace fuda {

void WebMemotimer::run() {
  session_.begin(face_);
  core_.runTicking([this] { return quit_.load(); }, kCountdownTickMs, [this] { tick(); });
}

void WebMemotimer::dispatchCommand(int id) {
  if (const auto command = timerCommandFor(kMemotimerMenu, id)) session_.dispatchCommand(*command);
}

void WebMemotimer::quit() {
  quit_ = true;
  core_.wake();
}

void WebMemotimer::tick() {
  if (ticking_ && !quit_) session_.tick();
}

void WebMemotimer::pauseWithoutInput(double ms) {
  callPage("pauseWithoutInput", "[" + std::to_string(ms) + "]");
  const double end = clock_.nowMs() + ms;
  while (!quit_ && clock_.nowMs() < end) {
    clock_.sleepMs(kCountdownTickMs);
    tick();
  }
  // A start still waiting out its announcement starts nothing.
  if (quit_) session_.closing();
}

}  // namespace fuda
