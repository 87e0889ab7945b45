#pragma once
// The mouse lock: a left click on the main window's background holds the
// pointer on that point, so the right button keeps reaching the window
// during a game. Here the window grabs the mouse and warps the pointer back
// whenever it leaves the 2 x 2 area around the click.
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace fuda {

class MouseLock {
 public:
  // GUI thread only.
  // The window's client area, which holds the pointer and shows the cursor.
  void attach(QWidget* client) { target_ = client; }

  // Left button down on the background.
  void toggle(QPoint globalPos);
  // Window deactivated: let the pointer go, keep the lock on.
  void suspend();
  // Window activated: hold the pointer again if the lock is on.
  void resume();
  // End of game, start-up and shutdown: lock off, pointer free, arrow shown.
  void release();
  // Mouse moved while grabbed: put the pointer back on its point.
  void keepInPlace(QPoint globalPos);
  // Mouse moves and button releases show the crosshair again while locked.
  void showLockCursor();

  bool isOn() const { return on_; }
  // Whether the pointer is held now (on, and the window active).
  bool isHolding() const { return holding_; }
  QRect lockRect() const { return rect_; }

 private:
  void hold();
  QPointer<QWidget> target_;
  bool on_ = false;
  QRect rect_;
  bool holding_ = false;
};

}  // namespace fuda
