#include "reader/timer/memo_timer.h"

#include <QEvent>
#include <QEventLoop>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "reader/engine/reading_state.h"
#include "reader/timer/memo_timer_window.h"

namespace fuda {

namespace {

// Ends `loop` when the watched window is hidden.
class HideWatcher : public QObject {
 public:
  explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) loop_.quit();
    return QObject::eventFilter(watched, event);
  }

 private:
  QEventLoop& loop_;
};

}  // namespace

void runToolWindow(QWidget* owner, QWidget* window) {
  QEventLoop loop;
  HideWatcher watcher(loop);
  window->installEventFilter(&watcher);
  if (owner) {
    // Kept above the owner without being its child, which disabling the
    // owner would disable too.
    window->winId();
    if (QWindow* handle = window->windowHandle())
      handle->setTransientParent(owner->window()->windowHandle());
    owner->setEnabled(false);
  }
  window->show();
  loop.exec();
  window->removeEventFilter(&watcher);
  if (owner) owner->setEnabled(true);
}

void MemoTimer::openMemoTimer() {
  if (setup_.memoState.load() != kStartWithMemo) return;
  const MemoLength length = memoLengthFor(setup_.thirdChoice.load());
  setup_.announcer.announce(startAnnouncement(length));
  setup_.pause(kStartPauseMs);

  auto window = std::make_unique<MemoTimerWindow>(
      setup_.mainWindow, setup_.offset, setup_.language, length, countdown_,
      setup_.memoState, MemoTimerWindowPorts{setup_.clock, setup_.announcer});
  setup_.runWindow(setup_.mainWindow, window.get());
}

}  // namespace fuda
