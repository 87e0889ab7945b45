#include "frontends/web/core_thread.h"

namespace fuda {

void CoreThread::post(Task task) {
  {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  changed_.notify_all();
}

void CoreThread::wake() {
  {
    std::lock_guard lock(mutex_);
    ++wakes_;
  }
  changed_.notify_all();
}

void CoreThread::runUntil(const std::function<bool()>& finished) {
  while (!finished()) {
    Task task;
    {
      std::unique_lock lock(mutex_);
      const std::uint64_t wakes = wakes_;
      changed_.wait(lock, [&] { return !tasks_.empty() || wakes_ != wakes; });
      if (tasks_.empty()) continue;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

void CoreThread::runTicking(const std::function<bool()>& finished, int tickMs,
                            const std::function<void()>& tick) {
  const auto period = std::chrono::milliseconds(tickMs);
  auto nextTick = std::chrono::steady_clock::now() + period;
  while (!finished()) {
    Task task;
    {
      std::unique_lock lock(mutex_);
      const std::uint64_t wakes = wakes_;
      changed_.wait_until(lock, nextTick, [&] { return !tasks_.empty() || wakes_ != wakes; });
      if (!tasks_.empty()) {
        task = std::move(tasks_.front());
        tasks_.pop_front();
      }
    }
    if (task) task();
    const auto now = std::chrono::steady_clock::now();
    if (now >= nextTick && !finished()) {
      tick();
      nextTick = now + period;
    }
  }
}

}  // namespace fuda
