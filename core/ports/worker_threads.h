#pragma once
// Port: starting worker threads. The real adapter owns std::threads and joins
// them; tests run the body at once on the calling thread, in virtual time.
#include <functional>

namespace fuda {

class WorkerThreads {
 public:
  virtual ~WorkerThreads() = default;
  // Any thread. Runs `body` on a thread of its own.
  virtual void start(std::function<void()> body) = 0;
  // GUI thread, at shutdown, after the clock and sound were stopped: waits
  // for every body to return.
  virtual void joinAll() = 0;
};

}  // namespace fuda
