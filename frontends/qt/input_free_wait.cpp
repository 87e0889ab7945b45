#include "frontends/qt/input_free_wait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace fuda {

InputBlocker::InputBlocker() {
  if (auto* app = QCoreApplication::instance()) app->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
  if (auto* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    // Nothing but the user closes a window during the wait, and Qt delivers
    // every close as if it came from the window system.
    case QEvent::Close:
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

void waitWithoutInput(double ms) {
  InputBlocker blocker;
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(std::lround(ms)), Qt::PreciseTimer, &loop,
                     &QEventLoop::quit);
  loop.exec();
}

}  // namespace fuda
