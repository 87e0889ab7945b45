#pragma once
// Message boxes collected from any thread, for tests and benchmarks on real
// threads; a benchmark has them printed as they come.
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "core/ports/message_sink.h"

namespace fuda::testing {

class CollectedMessages : public MessageSink {
 public:
  struct Collected {
    std::string caption;
    std::string text;
    MessageOwner owner;
  };

  enum class Echo { Off, ToStandardOutput };
  explicit CollectedMessages(Echo echo = Echo::Off) : echo_(echo) {}

  // Any thread.
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override {
    std::lock_guard lock(mutex_);
    if (echo_ == Echo::ToStandardOutput) {
      std::printf("message: %.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                  static_cast<int>(text.size()), text.data());
    }
    all_.push_back({std::string(caption), std::string(text), owner});
  }

  std::vector<Collected> all() const {
    std::lock_guard lock(mutex_);
    return all_;
  }
  std::vector<std::string> captions() const {
    std::vector<std::string> captions;
    for (const Collected& message : all()) captions.push_back(message.caption);
    return captions;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> texts;
    for (const Collected& message : all()) texts.push_back(message.text);
    return texts;
  }
  std::size_t count() const {
    std::lock_guard lock(mutex_);
    return all_.size();
  }

 private:
  const Echo echo_;
  mutable std::mutex mutex_;
  std::vector<Collected> all_;
};

}  // namespace fuda::testing
