#include "frontends/win32/window_class.h"

#include "frontends/win32/resource_ids.h"

namespace fuda {

HICON loadProgramIcon(int metricX, int metricY) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                       MAKEINTRESOURCEW(FUDA_PROGRAM_ICON), IMAGE_ICON,
                                       GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                       LR_SHARED));
}

void registerWindowClass(const wchar_t* name, WNDPROC windowProc, UINT style,
                         HBRUSH background, ClassIcon icon) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  if (icon == ClassIcon::Program) {
    windowClass.hIcon = loadProgramIcon(SM_CXICON, SM_CYICON);
    windowClass.hIconSm = loadProgramIcon(SM_CXSMICON, SM_CYSMICON);
  }
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

}  // namespace fuda
