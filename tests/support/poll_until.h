#pragma once
// The one way a test waits for something that happens on another thread or
// in another process: `condition` is tried until it holds or `limit` has
// passed, with `between` run between the tries (a short sleep; a Qt test
// passes one that runs the event loop). Returns whether it held.
#include <chrono>
#include <functional>
#include <thread>

namespace fuda::testing {

using Millis = std::chrono::duration<double, std::milli>;

inline bool pollUntil(
    const std::function<bool()>& condition, Millis limit = std::chrono::seconds(5),
    const std::function<void()>& between = [] {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }) {
  const auto giveUp = std::chrono::steady_clock::now() +
                      std::chrono::duration_cast<std::chrono::steady_clock::duration>(limit);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    between();
  }
  return true;
}

}  // namespace fuda::testing
