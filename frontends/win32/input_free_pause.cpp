#include "frontends/win32/input_free_pause.h"

#include <cmath>
#include <vector>

namespace fuda {

namespace {

// The windows the user can reach; hidden helper windows are left alone.
BOOL CALLBACK collectEnabled(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

bool isInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

}  // namespace

void pauseWithoutInput(HWND main, double ms, Clock& clock) {
  // Disabled windows take neither keys nor clicks, and their close boxes
  // do nothing; they still paint.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), &collectEnabled, reinterpret_cast<LPARAM>(&disabled));
  HWND focus = GetFocus();
  for (HWND window : disabled) EnableWindow(window, FALSE);

  const double end = clock.nowMs() + ms;
  while (true) {
    const double left = end - clock.nowMs();
    if (left <= 0) break;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::ceil(left)), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    MSG msg;
    bool quit = false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        quit = true;
        break;
      }
      // What still slips through (input already queued for a window that
      // is now disabled) is dropped.
      if (isInput(msg.message)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (quit) break;
  }

  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  if (focus != nullptr && IsWindow(focus)) {
    SetFocus(focus);
  } else if (IsWindow(main)) {
    SetFocus(main);
  }
}

}  // namespace fuda
