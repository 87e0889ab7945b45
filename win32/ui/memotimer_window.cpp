#include "win32/ui/memotimer_window.h"

#include <commctrl.h>

#include "common/memotimer_ids.h"
#include "resources/timer_texts.h"
#include "win32/ui/input_free_wait.h"
#include "win32/ui/timer_menu.h"
#include "win32/ui/wide_text.h"
#include "win32/ui/window_placement.h"

namespace fuda {

namespace {

constexpr const wchar_t* kMemotimerClass = L"NORMAL0";
constexpr SIZE kWindowSize{600, 230};
constexpr DWORD kWindowStyle = WS_POPUP | WS_BORDER | WS_DLGFRAME | WS_SYSMENU;

void registerWindowClass(WNDPROC windowProc) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kMemotimerClass, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMemotimerClass;
  RegisterClassExW(&windowClass);
}

}  // namespace

MemotimerWindow::MemotimerWindow(Language language, Clock& clock, Announcer& announcer)
    : language_(language), session_(clock, announcer, *this) {
  registerWindowClass(&MemotimerWindow::windowProc);
  const TimerMenus menus = createTimerMenus(language, {{kCmdMemoStart, texts::kItemMemoStart},
                                                       {kCmdMemoLengthen, texts::kItemLengthen},
                                                       {kCmdMemoShorten, texts::kItemShorten},
                                                       {kCmdMemoExit, texts::kItemMemoExit}});
  CreateWindowExW(0, kMemotimerClass, wideText(pick(language, texts::kTimerWindowTitle)).c_str(),
                  kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, kWindowSize.cx, kWindowSize.cy,
                  nullptr, menus.bar, GetModuleHandleW(nullptr), this);
  if (!hwnd_) {
    DestroyMenu(menus.bar);
    return;
  }
  face_.emplace(hwnd_, language, kMemotimerDisplay, ClockArea::AboveStatusBar);
  face_->setPopup(menus.popup);
  // Inside the face, at its bottom edge, where the clock keeps its strip
  // clear.
  statusBar_ = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | CCS_BOTTOM,
                                   wideText(pick(language, texts::kMemotimerNotice)).c_str(),
                                   face_->hwnd(), kMemotimerStatusBar);
  session_.begin(*face_);
  face_->startTicking([this] { session_.tick(); });
}

MemotimerWindow::~MemotimerWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void MemotimerWindow::show(TimerOffsets offsets) {
  if (!hwnd_) return;
  placeWindowAt(hwnd_, cornerPlus(hwnd_, offsets.x, offsets.y));
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

void MemotimerWindow::pauseWithoutInput(double ms) { waitWithoutInput(ms); }

void MemotimerWindow::stopTicking() {
  if (!face_) return;
  face_->stopTicking();
  face_->paintNow();
}

void MemotimerWindow::closeProgram() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK MemotimerWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window =
        static_cast<MemotimerWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<MemotimerWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
  return window->handle(message, wParam, lParam);
}

LRESULT MemotimerWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == 0) session_.dispatchCommand(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      session_.closing();
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      // A start still waiting out its announcement starts nothing now.
      session_.closing();
      if (face_) face_->stopTicking();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      statusBar_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace fuda
