#include "frontends/win32/mouse_lock.h"

#include "frontends/win32/dpi_scaling.h"

namespace fuda {

namespace {

void showCursor(const wchar_t* shape) { SetCursor(LoadCursorW(nullptr, shape)); }

}  // namespace

RECT lockRectAround(POINT click, UINT dpi) {
  const int margin = scaledForDpi(1, dpi);
  return RECT{click.x - margin, click.y - margin, click.x + margin, click.y + margin};
}

void MouseLock::toggle(POINT click, UINT dpi) {
  if (on_) {
    release();
    return;
  }
  on_ = true;
  rect_ = lockRectAround(click, dpi);
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
  SetCursorPos((rect_.left + rect_.right) / 2, (rect_.top + rect_.bottom) / 2);
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
