#pragma once
// Dismisses the next message box as soon as it is shown and keeps its caption
// and text.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace fuda::testing {

struct MessageCatcher {
  QString caption;
  QString text;
  int seen = 0;
  // Call just before the action that raises the box: the box's own event
  // loop runs the check.
  void arm() {
    QTimer::singleShot(0, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        caption = box->windowTitle();
        text = box->text();
        ++seen;
        box->accept();
      }
    });
  }
};

}  // namespace fuda::testing
