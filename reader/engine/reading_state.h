#pragma once
// The game flags shared by the GUI thread and the reading thread. Each is an
// atomic 16-bit value, read and written whole; no other locking is needed.
#include <atomic>
#include <cstdint>

namespace fuda {

enum Busy : std::int16_t { kIdle = 0, kPlaying = 1, kStopRequested = 2 };
enum Mode : std::int16_t { kManual = 0, kAutomatic = 1, kAutoLoopRunning = 2 };
enum MemoState : std::int16_t {
  kStartWithoutMemo = 0,
  kStartWithMemo = 1,
  kMemoRanOut = 2,
};

struct ReadingState {
  std::atomic<std::int16_t> running{0};
  std::atomic<std::int16_t> busy{kIdle};
  std::atomic<std::int16_t> mode{kManual};
  std::atomic<std::int16_t> position{0};
  std::atomic<std::int16_t> memoState{kStartWithoutMemo};
  std::atomic<double> interval{3.0};      // seconds
  std::atomic<double> waitStep{0.0};      // ms, interval wait tick
  std::atomic<double> waitRest{0.0};      // ms, interval wait remainder
  std::atomic<std::int32_t> timingPause{1000};  // ms
  std::atomic<std::int16_t> orderVariant{0};
  std::atomic<std::int16_t> orderPrepared{0};

  bool idle() const { return running.load() != 1 && busy.load() == kIdle; }
};

}  // namespace fuda
