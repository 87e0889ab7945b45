#pragma once
// Ends the program in good order when the system asks it to (SIGTERM at
// logout, SIGHUP, SIGINT from a terminal): the reading is stopped, threads
// are joined and the private temporary directory removed, as on a normal
// exit. The signal only writes a byte to a pipe; the GUI thread does the rest.
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace fuda {

class QuitSignals {
 public:
  // GUI thread, once per program. `onSignal` runs on the GUI thread.
  explicit QuitSignals(std::function<void()> onSignal);
  ~QuitSignals();
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

 private:
  int fds_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  std::function<void()> onSignal_;
};

}  // namespace fuda
