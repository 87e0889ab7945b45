#include "frontends/qt/qt_message_sink.h"

#include <QCoreApplication>
#include <QMessageBox>
#include "frontends/qt/gui_thread.h"
#include <QThread>
#include <memory>

namespace fuda {

namespace {

void execBox(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

void QtMessageSink::showMessage(std::string_view caption, std::string_view text,
                                MessageOwner owner) {
  {
    std::lock_guard lock(mutex_);
    if (shutDown_) return;
  }
  const QString qCaption = QString::fromUtf8(caption.data(), static_cast<int>(caption.size()));
  const QString qText = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
  QWidget* parent = owner == MessageOwner::MainWindow ? owner_.data() : nullptr;

  auto* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() == app->thread()) {
    execBox(parent, qCaption, qText);
    return;
  }
  // A worker: show it on the GUI thread and wait for OK or for shutdown.
  auto done = std::make_shared<bool>(false);
  QPointer<QWidget> guardedParent(parent);
  laterOnGuiThread(
      app,
      [this, done, guardedParent, qCaption, qText] {
        {
          std::lock_guard lock(mutex_);
          if (shutDown_) return;
        }
        execBox(guardedParent.data(), qCaption, qText);
        {
          std::lock_guard lock(mutex_);
          *done = true;
        }
        dismissed_.notify_all();
      });
  std::unique_lock lock(mutex_);
  dismissed_.wait(lock, [&] { return *done || shutDown_; });
}

void QtMessageSink::shutdown() {
  {
    std::lock_guard lock(mutex_);
    shutDown_ = true;
  }
  dismissed_.notify_all();
}

}  // namespace fuda
