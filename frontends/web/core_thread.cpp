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

}  // namespace fuda
