#pragma once
// Port: message boxes. The Qt side shows a QMessageBox on the GUI thread; a
// worker thread that calls it waits for OK. Tests record the messages.
#include <string_view>

namespace fuda {

// Whether the box stands over the main window or on its own.
enum class MessageOwner { MainWindow, None };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Any thread. Returns when the user has dismissed the box (the real
  // adapter returns at once during shutdown).
  virtual void showMessage(std::string_view caption, std::string_view text,
                           MessageOwner owner = MessageOwner::MainWindow) = 0;
  // GUI thread, at program end: boxes still open let their workers go, and
  // later messages are dropped.
  virtual void shutdown() {}
};

}  // namespace fuda
