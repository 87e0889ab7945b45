#include "adapters/std/std_worker_threads.h"

#include <atomic>

namespace fuda {

StdWorkerThreads::~StdWorkerThreads() { joinAll(); }

void StdWorkerThreads::start(std::function<void()> body) {
  std::lock_guard lock(mutex_);
  reapFinished();
  auto done = std::make_shared<std::atomic<bool>>(false);
  std::thread thread([body = std::move(body), done] {
    body();
    done->store(true);
  });
  workers_.push_back({std::move(thread), done});
}

void StdWorkerThreads::reapFinished() {
  for (auto it = workers_.begin(); it != workers_.end();) {
    if (it->done->load()) {
      it->thread.join();
      it = workers_.erase(it);
    } else {
      ++it;
    }
  }
}

void StdWorkerThreads::joinAll() {
  std::list<Worker> workers;
  {
    std::lock_guard lock(mutex_);
    workers.swap(workers_);
  }
  for (auto& worker : workers) {
    if (worker.thread.joinable() && worker.thread.get_id() != std::this_thread::get_id())
      worker.thread.join();
    else if (worker.thread.joinable())
      worker.thread.detach();
  }
}

}  // namespace fuda
