#pragma once
// The main window as a thread-safe recorder, for engines on real threads: it
// keeps the upper verses shown and the messages, counts every call, and
// counts the calls that come once the test has declared the window gone.
#include <mutex>
#include <string>
#include <vector>

#include "core/ports/reader_view.h"
#include "tests/fakes/collected_messages.h"

namespace fuda::testing {

class LockedReaderView : public ReaderView {
 public:
  // All calls: any thread.
  void setText(ControlId id, std::string_view text) override {
    std::lock_guard lock(mutex_);
    if (id == kUpperVerseLabel) upperVerses_.emplace_back(text);
    note();
  }
  void setEnabled(ControlId, Enablement) override { touch(); }
  void setReadModeRadio(ReadMode) override { touch(); }
  void releasePointer() override { touch(); }
  void quitProgram() override { touch(); }
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override {
    messages.showMessage(caption, text, owner);
    touch();
  }

  void close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  int calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
  }
  int callsAfterClose() const {
    std::lock_guard lock(mutex_);
    return callsAfterClose_;
  }
  std::vector<std::string> upperVerses() const {
    std::lock_guard lock(mutex_);
    return upperVerses_;
  }

  CollectedMessages messages;

 private:
  void touch() {
    std::lock_guard lock(mutex_);
    note();
  }
  void note() {
    ++calls_;
    if (closed_) ++callsAfterClose_;
  }
  mutable std::mutex mutex_;
  std::vector<std::string> upperVerses_;
  bool closed_ = false;
  int calls_ = 0;
  int callsAfterClose_ = 0;
};

}  // namespace fuda::testing
