#pragma once
// Every window is laid out in pixels at 96 DPI (100 % display scaling). The
// windows are per-monitor DPI aware, so each layout rectangle and font size
// becomes a window through scaledForDpi, at the DPI of the monitor the
// window is on, and again when the window moves to a monitor with another
// DPI. GUI thread, like everything here.
#include <windows.h>

#include "core/screen/screen_box.h"

namespace fuda {

inline constexpr UINT kLayoutDpi = USER_DEFAULT_SCREEN_DPI;

// The DPI of the monitor `window` is on; the system's where Windows is too
// old to tell one monitor from another, or when `window` is null.
UINT dpiOf(HWND window);

// Layout pixels at `dpi`, rounded to the nearest pixel.
int scaledForDpi(int layoutPixels, UINT dpi);
ScreenBox scaledForDpi(ScreenBox layout, UINT dpi);
SIZE scaledForDpi(FrameSize layout, UINT dpi);
// Back from pixels at `dpi` to layout pixels.
int unscaledForDpi(int pixels, UINT dpi);

// Puts `child` at its layout rectangle scaled for its parent's DPI and keeps
// the rectangle with it, so rescaleChildren can place it again.
void placeChild(HWND child, ScreenBox layout);
// Places every child of `parent` that placeChild placed anew for the
// parent's DPI now, and gives each that used `oldFont` `newFont` instead.
void rescaleChildren(HWND parent, HFONT oldFont, HFONT newFont);
// WM_DPICHANGED for a top-level window: it takes the rectangle Windows
// suggests (lParam), which keeps it where it was on the new monitor.
void moveToSuggestedRect(HWND window, LPARAM suggested);

}  // namespace fuda
