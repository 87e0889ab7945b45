#include "frontends/qt/window_gone_watch.h"

#include <QCoreApplication>
#include "frontends/qt/gui_thread.h"

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define FUDA_HAS_XCB 1
#endif

namespace fuda {

WindowGoneWatch::WindowGoneWatch(QWidget* window, std::function<void()> onGone)
    : window_(window), onGone_(std::move(onGone)) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowGoneWatch::~WindowGoneWatch() {
  if (QCoreApplication::instance() != nullptr)
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowGoneWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#ifdef FUDA_HAS_XCB
  if (gone_ || window_.isNull() || eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
  const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
  // Only a native window we made: winId() would make one for a widget without.
  if (!window_->testAttribute(Qt::WA_WState_Created) ||
      destroyed->window != static_cast<xcb_window_t>(window_->winId())) {
    return false;
  }
  gone_ = true;
  // Later, from the event loop: not inside Qt's own event handling.
  laterOnGuiThread(window_.data(), [this] { onGone_(); });
#else
  (void)eventType;
  (void)message;
#endif
  return false;
}

}  // namespace fuda
