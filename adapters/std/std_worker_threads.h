#pragma once
// Worker threads that are owned and joined: finished ones are reaped when a
// new one starts, and joinAll waits for the rest at shutdown.
#include <list>
#include <memory>
#include <mutex>
#include <thread>

#include "core/ports/worker_threads.h"

namespace fuda {

class StdWorkerThreads : public WorkerThreads {
 public:
  ~StdWorkerThreads() override;
  void start(std::function<void()> body) override;
  void joinAll() override;

 private:
  struct Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  void reapFinished();
  std::mutex mutex_;
  std::list<Worker> workers_;
};

}  // namespace fuda
