#pragma once
// The programs' main message loop.
#include <windows.h>

namespace fuda {

// GUI thread. Runs until the quit message and returns its code. Keys for
// `mainWindow` go first to the dialog navigation, so Tab walks its buttons.
int runMessageLoop(HWND mainWindow);

}  // namespace fuda
