#pragma once
// A wait on the GUI thread during which no window of the program takes
// input, while every window goes on painting and timers go on firing: the
// pause after a start announcement, before the countdown begins.
#include <QObject>
#include <functional>

namespace fuda {

// While one exists, user input to every window of the application is
// dropped: mouse buttons, wheel, keys, shortcuts, context menus and the
// close requests. Painting and timers are untouched.
class InputBlocker : public QObject {
 public:
  InputBlocker();
  ~InputBlocker() override;
  InputBlocker(const InputBlocker&) = delete;
  InputBlocker& operator=(const InputBlocker&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// How a window waits `ms` milliseconds without input. The programs use
// waitWithoutInput; tests pass one that advances a virtual clock.
using InputFreePause = std::function<void(double ms)>;

// GUI thread. Runs a local event loop for `ms` under an InputBlocker. Ends
// early when the application quits.
void waitWithoutInput(double ms);

}  // namespace fuda
