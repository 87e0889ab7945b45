#pragma once
// A wait on the GUI thread during which no window of the program takes
// input, while every window goes on painting and timers go on firing: the
// pause after a start announcement, before the countdown begins.
#include <windows.h>

#include "core/ports/clock.h"

namespace fuda {

// GUI thread. Pumps messages for `ms` by `clock` with the thread's windows
// disabled, then enables again those it disabled and gives the focus back.
// A quit message ends it early and is posted again for the loop outside.
void pauseWithoutInput(HWND main, double ms, Clock& clock);

}  // namespace fuda
