#pragma once
// The real clock: steady time for waits, the local time of day for the
// countdown, and sleeps that shutdown wakes.
#include <condition_variable>
#include <mutex>

#include "core/ports/clock.h"

namespace fuda {

class SystemClock : public Clock {
 public:
  double nowMs() override;
  LocalTime localTime() override;
  SleepResult sleepMs(double ms) override;
  void shutdown() override;

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool shutDown_ = false;
};

}  // namespace fuda
