#pragma once
// Port: time. The real adapter uses the system clock; tests use a virtual
// clock whose sleep advances time at once.
#include <cstdint>
#include <ctime>

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

// A broken-down calendar time with its milliseconds as a LocalTime.
inline LocalTime localTimeFrom(const std::tm& time, int millisecond) {
  LocalTime result;
  result.year = time.tm_year + 1900;
  result.month = time.tm_mon + 1;
  result.dayOfWeek = time.tm_wday;
  result.day = time.tm_mday;
  result.hour = time.tm_hour;
  result.minute = time.tm_min;
  result.second = time.tm_sec;
  result.millisecond = millisecond;
  return result;
}

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
