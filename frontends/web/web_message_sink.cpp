#include "frontends/web/web_message_sink.h"

#include <string>

#include "frontends/web/page_call.h"

namespace fuda {

void WebMessageSink::showMessage(std::string_view caption, std::string_view text,
                                 MessageOwner owner) {
  int id;
  {
    std::lock_guard lock(mutex_);
    if (shutDown_) return;
    id = nextId_++;
    open_.insert(id);
  }
  callPage("showMessage",
           "[{\"id\":" + std::to_string(id) + ",\"caption\":" + jsonText(caption) +
               ",\"text\":" + jsonText(text) + ",\"owner\":\"" +
               (owner == MessageOwner::MainWindow ? "MainWindow" : "None") + "\"}]");
  std::unique_lock lock(mutex_);
  closed_.wait(lock, [&] { return shutDown_ || !open_.contains(id); });
}

void WebMessageSink::dismissed(int id) {
  {
    std::lock_guard lock(mutex_);
    open_.erase(id);
  }
  closed_.notify_all();
}

void WebMessageSink::shutdown() {
  {
    std::lock_guard lock(mutex_);
    shutDown_ = true;
    open_.clear();
  }
  closed_.notify_all();
}

}  // namespace fuda
