#pragma once
// The memotimer program's one window: the countdown display, the clock hands
// and a status bar, with the menu " " (start, +1 minute, -1 minute, exit)
// that also opens on a right click. The clock runs from the start; the
// countdown only once started, and it may be started again at any time.
// At zero the end announcement is heard whole and the program ends.
#include <QMainWindow>

#include "common/announcer.h"
#include "common/clock.h"
#include "common/language.h"
#include "common/memo_countdown.h"
#include "common/ui/input_free_wait.h"

namespace fuda {

class TimerFace;

// The client area of a 600 x 230 window below its caption and menu bar,
// status bar included.
inline constexpr QSize kMemotimerClientSize{594, 185};
inline constexpr double kStartAnnouncementPauseMs = 4000.0;

struct MemotimerPorts {
  Clock& clock;
  Announcer& announcer;
  InputFreePause pause;  // the wait after the start announcement
};

class MemotimerWindow : public QMainWindow {
  Q_OBJECT

 public:
  MemotimerWindow(Language language, MemotimerPorts ports);

  // GUI thread: a menu or popup command by id; unknown ids do nothing.
  void dispatchCommand(int id);
  // GUI thread: one tick of the 10 ms timer.
  void tick();

  TimerFace* face() const { return face_; }
  const MemoCountdown& countdown() const { return countdown_; }

 signals:
  // The program should end: exit command, close box, or the end of the
  // countdown after its announcement.
  void quitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void startMemorisation();
  void endMemorisation();

  Language language_;
  MemotimerPorts ports_;
  MemoCountdown countdown_;
  TimerFace* face_ = nullptr;
  bool quitting_ = false;
};

}  // namespace fuda
