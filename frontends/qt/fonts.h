#pragma once
// The fonts of both programs. The Windows faces come first; the installed
// stand-ins (IPA Gothic, BIZ UDGothic, Liberation Serif) follow them.
#include <QFont>

#include "core/texts/language.h"

namespace fuda {

QFont controlFont(Language language);    // every control of the main window
QFont countdownFont(Language language);  // the memorisation countdown
QFont selectionFont(Language language);  // the card selection window
QFont thirdGameFont(Language language);  // the one-third game window

}  // namespace fuda
