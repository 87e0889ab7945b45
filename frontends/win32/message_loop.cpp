#include "frontends/win32/message_loop.h"

namespace fuda {

int runMessageLoop(HWND mainWindow) {
  MSG msg{};
  // GetMessage gives 0 on the quit message and -1 on an error; both end it.
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsWindow(mainWindow) && IsDialogMessageW(mainWindow, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

}  // namespace fuda
