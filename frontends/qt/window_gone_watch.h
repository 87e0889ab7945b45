#pragma once
// Notices when a top-level window's native window is destroyed from outside
// the program (an X client destroying it, as `xdotool windowclose` does, with
// no window manager to ask the program first). Qt takes no notice of that and
// would leave the program running with no window to end it from.
#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace fuda {

class WindowGoneWatch : public QAbstractNativeEventFilter {
 public:
  // GUI thread. `onGone` runs once, on the GUI thread, from the event loop.
  WindowGoneWatch(QWidget* window, std::function<void()> onGone);
  ~WindowGoneWatch() override;
  WindowGoneWatch(const WindowGoneWatch&) = delete;
  WindowGoneWatch& operator=(const WindowGoneWatch&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message,
                         qintptr* result) override;

 private:
  QPointer<QWidget> window_;
  std::function<void()> onGone_;
  bool gone_ = false;
};

}  // namespace fuda
