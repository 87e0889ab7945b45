#pragma once
// Message boxes through MessageBoxW, shown on the calling thread: a worker
// that reports a failure waits there until OK, while the GUI thread goes on.
// At shutdown every box still open is dismissed, and later calls return at
// once, so no worker is left waiting on a box before it is joined.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>

#include "core/ports/message_sink.h"

namespace fuda {

class Win32MessageSink : public MessageSink {
 public:
  // Any thread. Caption and text are UTF-8.
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override;

  // GUI thread: the window that boxes owned by the main window stand over.
  void setOwnerWindow(HWND window) { ownerWindow_ = window; }
  // GUI thread, at program end: dismisses the open boxes and waits until
  // their threads have left them. Safe to call twice.
  void shutdown() override;

 private:
  static LRESULT CALLBACK boxCreated(int code, WPARAM wParam, LPARAM lParam);
  void opened(HWND box);
  void leave();

  std::atomic<HWND> ownerWindow_{nullptr};
  std::mutex mutex_;
  bool shutDown_ = false;
  int showing_ = 0;
  std::set<HWND> boxes_;
};

}  // namespace fuda
