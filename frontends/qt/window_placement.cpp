#include "frontends/qt/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace fuda {

namespace {

QScreen* screenNear(QPoint point) {
  if (QScreen* screen = QGuiApplication::screenAt(point)) return screen;
  QScreen* nearest = QGuiApplication::primaryScreen();
  long best = -1;
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    const long dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
    const long dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
    const long distance = dx * dx + dy * dy;
    if (best < 0 || distance < best) {
      best = distance;
      nearest = screen;
    }
  }
  return nearest;
}

// The size of the window with its frame. A window not shown yet has no frame
// so far; it will get one like the window that owns it.
QSize frameSizeOf(const QWidget* window) {
  const QSize size = window->frameGeometry().size();
  if (window->isVisible() || size != window->size() || !window->parentWidget()) return size;
  const QWidget* owner = window->parentWidget()->window();
  const QRect outer = owner->frameGeometry();
  const QRect inner = owner->geometry();
  return size.grownBy(QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom()));
}

}  // namespace

void placeWindowAt(QWidget* window, QPoint topLeft) {
  QPoint target = topLeft;
  if (QScreen* screen = screenNear(topLeft)) {
    const QRect area = screen->availableGeometry();
    const QSize size = frameSizeOf(window);
    // Right and bottom first, so a window larger than the screen keeps its
    // caption bar reachable at the top left.
    target.setX(std::max(area.left(), std::min(target.x(), area.right() + 1 - size.width())));
    target.setY(std::max(area.top(), std::min(target.y(), area.bottom() + 1 - size.height())));
  }
  window->move(target);
}

}  // namespace fuda
