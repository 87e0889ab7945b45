#pragma once
// The popup menu of a timer window and the menu bar that opens it: one item
// captioned with a single blank. The same popup opens on a right click.
#include <QMenu>
#include <functional>
#include <span>

#include "core/screen/timer_window_layout.h"
#include "core/texts/language.h"

class QMenuBar;

namespace fuda {

// Items top to bottom, a separator between each two; each action's
// objectName is its id, in decimal. Choosing one calls `onCommand` with its
// id on the GUI thread.
QMenu* buildTimerPopup(Language language, std::span<const TimerMenuItem> items,
                       QWidget* parent, std::function<void(int id)> onCommand);

// Puts `popup` on `bar` as its only item, captioned " ".
void attachTimerMenuBar(QMenuBar* bar, QMenu* popup, Language language);

}  // namespace fuda
