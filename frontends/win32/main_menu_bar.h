#pragma once
// The reader's menu bar for its main window, built from the shared layout.
#include <windows.h>

#include "core/texts/language.h"

namespace fuda {

// The window it is given to owns it and destroys it with itself.
HMENU createMainMenuBar(Language language);

}  // namespace fuda
