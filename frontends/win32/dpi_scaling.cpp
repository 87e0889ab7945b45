#include "frontends/win32/dpi_scaling.h"

#include <cstdint>

namespace fuda {

namespace {

// A child's layout rectangle, kept as a window property: four 16-bit values
// packed into the property's handle, so nothing is to be freed when the
// child goes.
constexpr const wchar_t* kLayoutProperty = L"FudaLayoutRect";
static_assert(sizeof(HANDLE) >= 8, "the layout rectangle needs 64 bits");

HANDLE packed(ScreenBox rect) {
  const auto field = [](int value, int shift) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(value)) << shift;
  };
  return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(
      field(rect.x, 0) | field(rect.y, 16) | field(rect.width, 32) | field(rect.height, 48)));
}

ScreenBox unpacked(HANDLE handle) {
  const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
  const auto field = [bits](int shift) {
    return static_cast<int>(static_cast<std::int16_t>(bits >> shift));
  };
  return ScreenBox{field(0), field(16), field(32), field(48)};
}

void moveTo(HWND child, ScreenBox rect) {
  SetWindowPos(child, nullptr, rect.x, rect.y, rect.width, rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// Windows 10 (1607) and later tell each monitor's DPI; older systems, and
// Wine before it learnt them, only the system's. Looked up at run time, so
// the programs start on both.
using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForSystem = UINT(WINAPI*)();

template <class Function>
Function user32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

UINT systemDpi() {
  static const DpiForSystem forSystem = user32Function<DpiForSystem>("GetDpiForSystem");
  if (forSystem) return forSystem();
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kLayoutDpi;
}

}  // namespace

UINT dpiOf(HWND window) {
  static const DpiForWindow forWindow = user32Function<DpiForWindow>("GetDpiForWindow");
  if (window && forWindow) {
    if (const UINT dpi = forWindow(window)) return dpi;
  }
  return systemDpi();
}

int scaledForDpi(int layoutPixels, UINT dpi) {
  return MulDiv(layoutPixels, static_cast<int>(dpi), static_cast<int>(kLayoutDpi));
}

int unscaledForDpi(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(kLayoutDpi), static_cast<int>(dpi));
}

ScreenBox scaledForDpi(ScreenBox layout, UINT dpi) {
  // The edges are scaled, not the sizes, so neighbours that touch at 100 %
  // still touch.
  const int left = scaledForDpi(layout.x, dpi);
  const int top = scaledForDpi(layout.y, dpi);
  return ScreenBox{left, top, scaledForDpi(layout.x + layout.width, dpi) - left,
                     scaledForDpi(layout.y + layout.height, dpi) - top};
}

SIZE scaledForDpi(FrameSize layout, UINT dpi) {
  return SIZE{scaledForDpi(layout.width, dpi), scaledForDpi(layout.height, dpi)};
}

void placeChild(HWND child, ScreenBox layout) {
  if (!child) return;
  SetPropW(child, kLayoutProperty, packed(layout));
  moveTo(child, scaledForDpi(layout, dpiOf(GetParent(child))));
}

void rescaleChildren(HWND parent, HFONT oldFont, HFONT newFont) {
  struct Change {
    HFONT oldFont;
    HFONT newFont;
  } change{oldFont, newFont};
  // Every descendant: the timer's display lies inside its face.
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM lParam) -> BOOL {
        const auto& change = *reinterpret_cast<const Change*>(lParam);
        if (HANDLE layout = GetPropW(child, kLayoutProperty)) {
          moveTo(child, scaledForDpi(unpacked(layout), dpiOf(GetParent(child))));
        }
        if (change.oldFont && reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) ==
                                  change.oldFont) {
          SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(change.newFont), TRUE);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&change));
}

void moveToSuggestedRect(HWND window, LPARAM suggested) {
  const RECT& rect = *reinterpret_cast<const RECT*>(suggested);
  SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace fuda
