#pragma once
// Message boxes drawn by the page. The thread that shows one waits until the
// page says the player closed it, as a desktop box holds its caller.
#include <condition_variable>
#include <mutex>
#include <set>

#include "core/ports/message_sink.h"

namespace fuda {

class WebMessageSink : public MessageSink {
 public:
  // Any thread but the page's main thread.
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override;
  // The page's main thread: box `id` was closed. Unknown ids are ignored.
  void dismissed(int id);
  // Core thread, at program end: open boxes let their callers go, and later
  // messages are dropped.
  void shutdown() override;

 private:
  std::mutex mutex_;
  std::condition_variable closed_;
  std::set<int> open_;
  int nextId_ = 1;
  bool shutDown_ = false;
};

}  // namespace fuda
