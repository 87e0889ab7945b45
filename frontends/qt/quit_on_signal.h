#pragma once
// Ends a program on SIGTERM, SIGINT or SIGHUP the way its close box does,
// with the sound stopped, the threads joined and the temporary folder
// removed, instead of the kernel's default of dying on the spot and leaving
// all that behind. The handler only writes a byte to a pipe; a socket
// notifier reads it on the GUI thread and calls the program's quit there. A
// second signal while that quit runs ends the process at once. A signal that
// was ignored when the program started stays ignored.
#include <QObject>
#include <functional>
#include <vector>

class QSocketNotifier;

namespace fuda {

class QuitOnSignal : public QObject {
 public:
  // GUI thread, after the QApplication exists. One at a time per process:
  // the handler needs its pipe in a place a signal can reach.
  explicit QuitOnSignal(std::function<void()> quit);
  // Puts the default handling of the signals it took back.
  ~QuitOnSignal() override;
  QuitOnSignal(const QuitOnSignal&) = delete;
  QuitOnSignal& operator=(const QuitOnSignal&) = delete;

  // Whether the handlers are in place (a pipe could be made).
  bool isActive() const { return notifier_ != nullptr; }

 private:
  void onSignal();

  std::function<void()> quit_;
  std::vector<int> handled_;
  int readEnd_ = -1;
  int writeEnd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace fuda
