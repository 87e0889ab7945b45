#include "common/ui/start_retry.h"

#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace fuda {

namespace {

constexpr int kMostStarts = 4;
constexpr const char* kStartCount = "FUDA_DISPLAY_START";

// Qt's message handler is a plain function: it reaches these through statics,
// set only between StartRetry's construction and started().
char** startArgv = nullptr;
bool displayRefused = false;
QtMessageHandler previousHandler = nullptr;

int startsSoFar() {
  const char* count = std::getenv(kStartCount);
  return count == nullptr ? 1 : std::max(1, std::atoi(count));
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("could not connect to display"))) displayRefused = true;
  if (type == QtFatalMsg && displayRefused && startArgv != nullptr &&
      startsSoFar() < kMostStarts) {
    const std::string next = std::to_string(startsSoFar() + 1);
    setenv(kStartCount, next.c_str(), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ::execv("/proc/self/exe", startArgv);
    // Could not start again: the failure takes its course.
  }
  if (previousHandler != nullptr) previousHandler(type, context, message);
}

}  // namespace

StartRetry::StartRetry(char** argv) : active_(true) {
  startArgv = argv;
  displayRefused = false;
  previousHandler = qInstallMessageHandler(&onMessage);
}

void StartRetry::started() {
  if (!active_) return;
  active_ = false;
  qInstallMessageHandler(previousHandler);
  previousHandler = nullptr;
  startArgv = nullptr;
  // A program the retried one starts is counted afresh.
  unsetenv(kStartCount);
}

}  // namespace fuda
