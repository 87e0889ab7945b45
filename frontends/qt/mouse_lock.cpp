#include "frontends/qt/mouse_lock.h"

#include <QCursor>

namespace fuda {

void MouseLock::toggle(QPoint globalPos) {
  if (!on_) {
    on_ = true;
    // left x-1, top y-1, right x+1, bottom y+1
    rect_ = QRect(QPoint(globalPos.x() - 1, globalPos.y() - 1),
                  QPoint(globalPos.x(), globalPos.y()));
    hold();
  } else {
    release();
  }
}

void MouseLock::hold() {
  if (!target_) return;
  target_->setCursor(Qt::CrossCursor);
  if (target_->isVisible()) {
    target_->grabMouse(Qt::CrossCursor);
    holding_ = true;
  }
}

void MouseLock::suspend() {
  if (holding_ && target_) target_->releaseMouse();
  holding_ = false;
  if (target_) target_->setCursor(Qt::ArrowCursor);
}

void MouseLock::resume() {
  if (!on_) return;
  QCursor::setPos(rect_.left() + 1, rect_.top() + 1);
  hold();
}

void MouseLock::release() {
  on_ = false;
  if (holding_ && target_) target_->releaseMouse();
  holding_ = false;
  if (target_) target_->setCursor(Qt::ArrowCursor);
}

void MouseLock::keepInPlace(QPoint globalPos) {
  if (!holding_) return;
  const QRect area(rect_.left(), rect_.top(), 2, 2);
  if (!area.contains(globalPos)) QCursor::setPos(rect_.left() + 1, rect_.top() + 1);
}

void MouseLock::showLockCursor() {
  if (on_ && target_) target_->setCursor(Qt::CrossCursor);
}

}  // namespace fuda
