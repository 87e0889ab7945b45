#include "common/ui/window_placement.h"

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

}  // namespace

void placeWindowAt(QWidget* window, QPoint topLeft) {
  QPoint target = topLeft;
  if (QScreen* screen = screenNear(topLeft)) {
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    // Right and bottom first, so a window larger than the screen keeps its
    // caption bar reachable at the top left.
    target.setX(std::max(area.left(), std::min(target.x(), area.right() + 1 - size.width())));
    target.setY(std::max(area.top(), std::min(target.y(), area.bottom() + 1 - size.height())));
  }
  window->move(target);
}

}  // namespace fuda
