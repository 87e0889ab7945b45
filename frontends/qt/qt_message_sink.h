#pragma once
// Message boxes on the GUI thread. A worker thread that raises one waits
// until it is dismissed, or until shutdown begins, so that a box can never
// hold up the end of the program.
#include <QPointer>
#include <QWidget>
#include <condition_variable>
#include <mutex>

#include "core/ports/message_sink.h"

namespace fuda {

class QtMessageSink : public MessageSink {
 public:
  // `owner` is the main window (may be null for a program without one).
  explicit QtMessageSink(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }

  // Any thread.
  void showMessage(std::string_view caption, std::string_view text,
                   MessageOwner owner = MessageOwner::MainWindow) override;
  // GUI thread: later messages are dropped and waiting workers released.
  void shutdown() override;

 private:
  QPointer<QWidget> owner_;
  std::mutex mutex_;
  std::condition_variable dismissed_;
  bool shutDown_ = false;
};

}  // namespace fuda
