#include "frontends/qt/quit_on_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>

namespace fuda {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The one place a signal handler can reach: the write end of the pipe.
std::atomic<int> signalPipe{-1};

extern "C" void onQuitSignal(int number) {
  const int saved = errno;
  // The next signal of any kind ends the process at once, should the quit
  // itself hang.
  for (int other : kSignals) {
    struct sigaction now {};
    if (sigaction(other, nullptr, &now) == 0 && now.sa_handler == onQuitSignal)
      signal(other, SIG_DFL);
  }
  const int fd = signalPipe.load();
  if (fd >= 0) {
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const auto written = write(fd, &byte, 1);
  }
  errno = saved;
}

}  // namespace

QuitOnSignal::QuitOnSignal(std::function<void()> quit) : quit_(std::move(quit)) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
  readEnd_ = ends[0];
  writeEnd_ = ends[1];
  signalPipe.store(writeEnd_);
  notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { onSignal(); });

  struct sigaction action {};
  action.sa_handler = onQuitSignal;
  sigemptyset(&action.sa_mask);
  // Interrupted system calls in other threads go on rather than fail.
  action.sa_flags = SA_RESTART;
  for (int number : kSignals) {
    // A signal ignored when we started (SIGHUP under nohup, SIGINT in a
    // background job) stays ignored, as the user who started us asked.
    struct sigaction before {};
    if (sigaction(number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    sigaction(number, &action, nullptr);
    handled_.push_back(number);
  }
}

QuitOnSignal::~QuitOnSignal() {
  for (int number : handled_) signal(number, SIG_DFL);
  signalPipe.store(-1);
  delete notifier_;
  if (readEnd_ >= 0) close(readEnd_);
  if (writeEnd_ >= 0) close(writeEnd_);
}

void QuitOnSignal::onSignal() {
  unsigned char drained[16];
  while (read(readEnd_, drained, sizeof drained) > 0) {
  }
  // Once is enough; later bytes come from signals that already ended the
  // process or arrive while it ends.
  notifier_->setEnabled(false);
  if (quit_) quit_();
}

}  // namespace fuda
