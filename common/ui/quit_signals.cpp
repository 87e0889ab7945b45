#include "common/ui/quit_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace fuda {

namespace {

constexpr std::array<int, 3> kQuitSignals = {SIGTERM, SIGHUP, SIGINT};

// A signal handler can reach nothing but a static; this is the write end of
// the pipe of the one QuitSignals object, or -1.
volatile sig_atomic_t writeEnd = -1;

void onQuitSignal(int) {
  const int saved = errno;
  const int fd = writeEnd;
  if (fd >= 0) {
    const char byte = 1;
    (void)!::write(fd, &byte, 1);
  }
  errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds_) != 0) return;
  ::fcntl(fds_[0], F_SETFL, O_NONBLOCK);
  ::fcntl(fds_[1], F_SETFL, O_NONBLOCK);
  writeEnd = fds_[1];
  notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
    char buffer[16];
    while (::read(fds_[0], buffer, sizeof buffer) > 0) {
    }
    if (onSignal_) onSignal_();
  });
  struct sigaction action {};
  action.sa_handler = &onQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kQuitSignals) ::sigaction(signal, &action, nullptr);
}

QuitSignals::~QuitSignals() {
  // Back to the default: a signal during the last clean-up ends the process.
  for (int signal : kQuitSignals) ::signal(signal, SIG_DFL);
  writeEnd = -1;
  notifier_.reset();
  for (int fd : fds_) {
    if (fd >= 0) ::close(fd);
  }
}

}  // namespace fuda
