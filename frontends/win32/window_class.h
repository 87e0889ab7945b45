#pragma once
// Window classes whose windows are C++ objects: the object is passed as the
// creation parameter, keeps its handle from WM_NCCREATE on, and is let go at
// WM_NCDESTROY. Its class gives `void attach(HWND)`, `void detach()` and
// `LRESULT handle(UINT, WPARAM, LPARAM)`, and befriends windowProcOf.
#include <windows.h>

namespace fuda {

enum class ClassIcon { System, Program };

// Registers the class once per process; a class already there is kept.
void registerWindowClass(const wchar_t* name, WNDPROC windowProc, UINT style,
                         HBRUSH background, ClassIcon icon = ClassIcon::System);

// The program's icon at the size of the system metrics given (SM_CXICON and
// SM_CYICON, or the small ones); shared, so a class may keep it for as long
// as it is registered.
HICON loadProgramIcon(int metricX, int metricY);

template <class Window>
LRESULT CALLBACK windowProcOf(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created =
        static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->attach(hwnd);
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->detach();
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return window->handle(message, wParam, lParam);
}

}  // namespace fuda
