#pragma once
// The memotimer program's one window: the countdown display, the clock hands
// and a status bar, with the menu " " (start, +1 minute, -1 minute, exit)
// that also opens on a right click. It draws and forwards: the countdown is
// the MemotimerSession's.
#include <QMainWindow>

#include "core/countdown/announcer.h"
#include "core/ports/clock.h"
#include "core/texts/language.h"
#include "core/countdown/memotimer_session.h"
#include "core/screen/timer_window_layout.h"
#include "frontends/qt/input_free_wait.h"

namespace fuda {

class TimerFace;

// The client area of the model's window below its caption and menu bar,
// status bar included: what Windows' fixed frame (3-pixel borders, a 19-pixel
// caption) and menu bar (20 pixels) leave of it.
inline constexpr QSize kMemotimerClientSize{kMemotimerWindowSize.width - 2 * 3,
                                            kMemotimerWindowSize.height - 2 * 3 - 19 - 20};

struct MemotimerPorts {
  Clock& clock;
  Announcer& announcer;
  InputFreePause pause;  // the wait after the start announcement
};

class MemotimerMainWindow : public QMainWindow, private MemotimerFrontEnd {
  Q_OBJECT

 public:
  MemotimerMainWindow(Language language, MemotimerPorts ports);

  // GUI thread: a menu or popup command by id; unknown ids do nothing.
  void dispatchCommand(int id) {
    if (const auto command = timerCommandFor(kMemotimerMenu, id))
      session_.dispatchCommand(*command);
  }
  // GUI thread: one tick of the 10 ms timer.
  void tick() { session_.tick(); }

  TimerFace* face() const { return face_; }
  const MemoCountdown& countdown() const { return session_.countdown(); }

 signals:
  // The program should end: exit command, close box, or the end of the
  // countdown after its announcement.
  void quitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // MemotimerFrontEnd
  void pauseWithoutInput(double ms) override { pause_(ms); }
  void stopTicking() override;
  void closeProgram() override { close(); }

  Language language_;
  InputFreePause pause_;
  MemotimerSession session_;
  TimerFace* face_ = nullptr;
  bool quitting_ = false;
};

}  // namespace fuda
