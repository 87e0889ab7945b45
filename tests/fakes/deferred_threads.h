#pragma once
// Worker threads whose bodies wait until the test runs them, in any order:
// for races such as one clip finishing its loading before an older one.
#include <functional>
#include <vector>

#include "core/ports/worker_threads.h"

namespace fuda::testing {

class DeferredThreads : public WorkerThreads {
 public:
  void start(std::function<void()> body) override { pending_.push_back(std::move(body)); }
  void joinAll() override { runAll(); }

  std::size_t pending() const { return pending_.size(); }
  // Runs the body started `index`-th among those still pending.
  void run(std::size_t index) {
    auto body = std::move(pending_.at(index));
    pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(index));
    body();
  }
  void runAll() {
    while (!pending_.empty()) run(0);
  }

 private:
  std::vector<std::function<void()>> pending_;
};

}  // namespace fuda::testing
