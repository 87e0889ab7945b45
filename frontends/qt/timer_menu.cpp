#include "frontends/qt/timer_menu.h"

#include <QAction>
#include <QMenuBar>

#include "core/texts/timer_texts.h"
#include "frontends/qt/qt_text.h"

namespace fuda {

QMenu* buildTimerPopup(Language language, std::span<const TimerMenuItem> items,
                       QWidget* parent, std::function<void(int id)> onCommand) {
  auto* popup = new QMenu(toQString(pick(language, texts::kTimerMenuTitle)), parent);
  bool first = true;
  for (const TimerMenuItem& item : items) {
    if (!first) popup->addSeparator();
    first = false;
    QAction* action = popup->addAction(toQString(pick(language, item.caption)));
    action->setObjectName(QString::number(item.id));
    const int id = item.id;
    QObject::connect(action, &QAction::triggered, popup, [onCommand, id] { onCommand(id); });
  }
  return popup;
}

void attachTimerMenuBar(QMenuBar* bar, QMenu* popup, Language language) {
  bar->clear();
  bar->addMenu(popup)->setText(toQString(pick(language, texts::kTimerMenuTitle)));
}

}  // namespace fuda
