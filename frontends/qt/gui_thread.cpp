#include "frontends/qt/gui_thread.h"

#include <QThread>

namespace fuda {

void onGuiThread(QObject* context, std::function<void()> call) {
  if (QThread::currentThread() == context->thread()) {
    call();
    return;
  }
  laterOnGuiThread(context, std::move(call));
}

void laterOnGuiThread(QObject* context, std::function<void()> call) {
  QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
}

}  // namespace fuda
