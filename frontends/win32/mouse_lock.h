#pragma once
// The mouse lock: a left click on the main window's background holds the
// pointer in the 2 x 2 pixels (at 100 % scaling) around the click, so the
// right button keeps reaching the window during a game. The state is the
// window's own.
#include <windows.h>

namespace fuda {

// Left x-1, top y-1, right x+1, bottom y+1 at 96 DPI, in screen coordinates,
// the margin scaled for `dpi`; ClipCursor leaves the right and bottom edges
// out, so the pointer keeps 2 x 2 pixels at 100 %.
RECT lockRectAround(POINT click, UINT dpi);

// GUI thread only.
class MouseLock {
 public:
  // Left button down on the background, at `click` on the screen, in a
  // window at `dpi`.
  void toggle(POINT click, UINT dpi);
  // Window deactivated: the pointer goes free and the arrow shows; the lock
  // stays on.
  void suspend();
  // Window activated: while the lock is on, the pointer goes back onto the
  // locked point and is held there again.
  void resume();
  // Off, pointer free, arrow shown: the end of a game, and the window closing.
  void release();
  // Mouse moves and button releases show the crosshair again while on.
  void showLockCursor() const;

  bool isOn() const { return on_; }

 private:
  void hold();

  bool on_ = false;
  RECT rect_{};
};

}  // namespace fuda
