#include "adapters/std/system_clock.h"

#include <chrono>
#include <ctime>

namespace fuda {

double SystemClock::nowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

LocalTime SystemClock::localTime() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &seconds);  // the C runtime's own: arguments the other way round
#else
  localtime_r(&seconds, &local);
#endif
  return localTimeFrom(local, static_cast<int>(duration_cast<milliseconds>(
                                    now.time_since_epoch()).count() % 1000));
}

SleepResult SystemClock::sleepMs(double ms) {
  using namespace std::chrono;
  std::unique_lock lock(mutex_);
  if (ms > 0) {
    const auto until = steady_clock::now() + duration<double, std::milli>(ms);
    wake_.wait_until(lock, time_point_cast<steady_clock::duration>(until),
                     [this] { return shutDown_; });
  }
  return shutDown_ ? SleepResult::Interrupted : SleepResult::Completed;
}

void SystemClock::shutdown() {
  {
    std::lock_guard lock(mutex_);
    shutDown_ = true;
  }
  wake_.notify_all();
}

}  // namespace fuda
