#include "frontends/win32/memotimer_window.h"

#include <commctrl.h>

#include "core/countdown/memotimer_ids.h"
#include "core/screen/timer_window_layout.h"
#include "core/texts/timer_texts.h"
#include "frontends/win32/dpi_scaling.h"
#include "frontends/win32/input_free_pause.h"
#include "frontends/win32/timer_menu.h"
#include "frontends/win32/wide_text.h"
#include "frontends/win32/window_class.h"
#include "frontends/win32/window_placement.h"

namespace fuda {

namespace {

constexpr const wchar_t* kMemotimerClass = L"NORMAL0";
constexpr DWORD kWindowStyle = WS_POPUP | WS_BORDER | WS_DLGFRAME | WS_SYSMENU;

}  // namespace

MemotimerWindow::MemotimerWindow(Language language, Clock& clock, Announcer& announcer)
    : language_(language), clock_(clock), session_(clock, announcer, *this) {
  registerWindowClass(kMemotimerClass, &windowProcOf<MemotimerWindow>,
                      CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), ClassIcon::Program);
  const TimerMenus menus = createTimerMenus(language, kMemotimerMenu);
  // The system's DPI: where it first appears is the system's choice.
  const SIZE size = scaledForDpi(kMemotimerWindowSize, dpiOf(nullptr));
  CreateWindowExW(0, kMemotimerClass, toWide(pick(language, texts::kTimerWindowTitle)).c_str(),
                  kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr,
                  menus.bar, GetModuleHandleW(nullptr), this);
  if (!hwnd_) {
    DestroyMenu(menus.bar);
    return;
  }
  face_.emplace(hwnd_, language, kMemotimerDisplay, ClockArea::AboveStatusBar);
  face_->setPopup(menus.popup);
  // Inside the face, at its bottom edge, where the clock keeps its strip
  // clear.
  statusBar_ = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | CCS_BOTTOM,
                                   toWide(pick(language, texts::kMemotimerNotice)).c_str(),
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

void MemotimerWindow::pauseWithoutInput(double ms) { fuda::pauseWithoutInput(hwnd_, ms, clock_); }

void MemotimerWindow::stopTicking() {
  if (!face_) return;
  face_->stopTicking();
  face_->paintNow();
}

void MemotimerWindow::closeProgram() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT MemotimerWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) != 0) return 0;
      if (const auto command = timerCommandFor(kMemotimerMenu, LOWORD(wParam))) {
        session_.dispatchCommand(*command);
      }
      return 0;
    case WM_CLOSE:
      session_.closing();
      DestroyWindow(hwnd);
      return 0;
    case WM_DPICHANGED:
      moveToSuggestedRect(hwnd, lParam);
      return 0;
    case WM_SIZE:
      // The face covers the client area and docks the status bar again.
      if (face_) face_->fitParent();
      if (statusBar_) SendMessageW(statusBar_, WM_SIZE, 0, 0);
      return 0;
    case WM_DESTROY:
      // A start still waiting out its announcement starts nothing now.
      session_.closing();
      if (face_) face_->stopTicking();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace fuda
