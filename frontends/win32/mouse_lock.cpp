#include "frontends/win32/mouse_lock.h"

namespace fuda {

namespace {

void showCursor(const wchar_t* shape) { SetCursor(LoadCursorW(nullptr, shape)); }

}  // namespace

RECT lockRectAround(POINT click) {
  return RECT{click.x - 1, click.y - 1, click.x + 1, click.y + 1};
}

void MouseLock::toggle(POINT click) {
  if (on_) {
    release();
    return;
  }
  on_ = true;
  rect_ = lockRectAround(click);
  hold();
}

void MouseLock::hold() {
  ClipCursor(&rect_);
  showCursor(IDC_CROSS);
}

void MouseLock::suspend() {
  ClipCursor(nullptr);
  showCursor(IDC_ARROW);
}

void MouseLock::resume() {
  if (!on_) return;
  SetCursorPos(rect_.left + 1, rect_.top + 1);
  hold();
}

void MouseLock::release() {
  on_ = false;
  ClipCursor(nullptr);
  showCursor(IDC_ARROW);
}

void MouseLock::showLockCursor() const {
  if (on_) showCursor(IDC_CROSS);
}

}  // namespace fuda
