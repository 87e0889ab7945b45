#pragma once
// Moving a top-level window, keeping its size, so that its top-left corner
// lies at a point on the screen; a point that would put it off the work area
// of its monitor is pulled back so the whole window stays in reach.
#include <windows.h>

namespace fuda {

void placeWindowAt(HWND window, POINT topLeft);
// The corner of `from` (its screen rectangle) plus (dx, dy), layout pixels
// scaled for the DPI of `from`.
POINT cornerPlus(HWND from, int dx, int dy);

}  // namespace fuda
