#include "frontends/win32/window_placement.h"

#include <algorithm>

#include "frontends/win32/dpi_scaling.h"

namespace fuda {

void placeWindowAt(HWND window, POINT topLeft) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const LONG width = rect.right - rect.left;
  const LONG height = rect.bottom - rect.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromPoint(topLeft, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& area = monitor.rcWork;
    topLeft.x = std::clamp(topLeft.x, area.left, std::max(area.left, area.right - width));
    topLeft.y = std::clamp(topLeft.y, area.top, std::max(area.top, area.bottom - height));
  }
  SetWindowPos(window, nullptr, topLeft.x, topLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT cornerPlus(HWND from, int dx, int dy) {
  RECT rect{};
  GetWindowRect(from, &rect);
  const UINT dpi = dpiOf(from);
  return POINT{rect.left + scaledForDpi(dx, dpi), rect.top + scaledForDpi(dy, dpi)};
}

}  // namespace fuda
