#pragma once
// How a tool window's dialog places its controls: each in the client area,
// its id as objectName, the dialog's font, client pixels; push buttons report
// their clicks by id.
#include <QFont>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string_view>

#include "core/screen/screen_box.h"
#include "frontends/qt/qt_text.h"

namespace fuda {

class DialogControls {
 public:
  // GUI thread.
  DialogControls(QWidget* client, QFont font, std::function<void(int id)> onClick)
      : client_(client), font_(std::move(font)), onClick_(std::move(onClick)) {
    client_->setFont(font_);
  }

  void place(QWidget* widget, int id, ScreenBox box) const {
    widget->setParent(client_);
    widget->setObjectName(QString::number(id));
    widget->setFont(font_);
    widget->setGeometry(box.x, box.y, box.width, box.height);
  }

  QPushButton* button(int id, std::string_view caption, ScreenBox box) const {
    auto* b = new QPushButton(toQString(caption));
    b->setAutoDefault(false);
    place(b, id, box);
    QObject::connect(b, &QPushButton::clicked, client_, [onClick = onClick_, id] { onClick(id); });
    return b;
  }

 private:
  QWidget* client_;
  QFont font_;
  std::function<void(int id)> onClick_;
};

}  // namespace fuda
