#pragma once
// The program's GUI thread in a page. A page's own main thread may never
// wait, and the core's GUI-thread code does (message boxes, modal tool
// windows), so the core runs on a thread of its own and the page hands it
// every command as a task.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

namespace fuda {

class CoreThread {
 public:
  using Task = std::function<void()>;

  // Any thread (the page's main thread, mostly).
  void post(Task task);
  // Core thread: runs tasks until `finished` says so (checked after each
  // task and on wake()). The program's main loop, and a modal tool window's.
  void runUntil(const std::function<bool()>& finished);
  // Core thread: as runUntil, with `tick` run every `tickMs` between tasks
  // (a countdown's window).
  void runTicking(const std::function<bool()>& finished, int tickMs,
                  const std::function<void()>& tick);
  // Any thread: makes runUntil look at its condition again.
  void wake();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Task> tasks_;
  std::uint64_t wakes_ = 0;
};

}  // namespace fuda
