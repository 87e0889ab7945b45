#include "frontends/win32/window_class.h"

namespace fuda {

void registerWindowClass(const wchar_t* name, WNDPROC windowProc, UINT style,
                         HBRUSH background) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

}  // namespace fuda
