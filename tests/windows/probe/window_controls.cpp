// Prints the visible controls of the shown top-level window with the given
// title, a line each: its id, + if it is enabled or - if not, and its text.
//   window_controls TITLE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK printControl(HWND control, LPARAM) {
  if (!IsWindowVisible(control)) return TRUE;
  wchar_t text[512] = {};
  GetWindowTextW(control, text, 512);
  char utf8[2048] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  std::printf("%d %c %s\n", GetDlgCtrlID(control), IsWindowEnabled(control) ? '+' : '-', utf8);
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const HWND window = FindWindowW(nullptr, argv[1]);
  if (window == nullptr || !IsWindowVisible(window)) return 1;
  EnumChildWindows(window, printControl, 0);
  return 0;
}
