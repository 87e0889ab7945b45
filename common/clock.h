#pragma once
// Port: time. The real adapter uses the system clock; tests use a virtual
// clock whose sleep advances time at once.
#include <cstdint>

namespace fuda {

// Local date and time of day, as the countdown and the clock hands need it.
struct LocalTime {
  int year = 0;
  int month = 0;
  int dayOfWeek = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

enum class SleepResult { Completed, Interrupted };

class Clock {
 public:
  virtual ~Clock() = default;
  // Any thread. Monotonic milliseconds since an arbitrary start.
  virtual double nowMs() = 0;
  // Any thread.
  virtual LocalTime localTime() = 0;
  // Any thread. Returns early, with Interrupted, once shutdown() was called;
  // every later sleep returns at once.
  virtual SleepResult sleepMs(double ms) = 0;
  // GUI thread, at program end: wakes every sleeper.
  virtual void shutdown() = 0;
};

}  // namespace fuda
