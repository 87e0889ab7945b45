#include "frontends/win32/timer_face.h"

#include <windowsx.h>

#include "core/countdown/countdown_run.h"
#include "core/screen/timer_window_layout.h"
#include "frontends/win32/dpi_scaling.h"
#include "frontends/win32/wide_text.h"
#include "frontends/win32/window_class.h"

namespace fuda {

namespace {

constexpr const wchar_t* kTimerFaceClass = L"FudaTimerFace";
constexpr UINT_PTR kTickTimerId = 100;

// The hands are worked out on the face as laid out at 100 % and drawn
// scaled, pens and all, so the clock keeps its shape at any DPI.
void drawHands(HDC dc, const RECT& client, const LocalTime& time, ClockArea area, UINT dpi) {
  const HGDIOBJ previous = GetCurrentObject(dc, OBJ_PEN);
  const auto scaled = [dpi](int layout) { return scaledForDpi(layout, dpi); };
  for (const ClockHand& hand : clockHands(unscaledForDpi(client.right, dpi),
                                          unscaledForDpi(client.bottom, dpi), time, area)) {
    HPEN pen = CreatePen(PS_SOLID, scaled(hand.pen.width),
                         RGB(hand.pen.red, hand.pen.green, hand.pen.blue));
    SelectObject(dc, pen);
    MoveToEx(dc, scaled(hand.from.x), scaled(hand.from.y), nullptr);
    LineTo(dc, scaled(hand.to.x), scaled(hand.to.y));
    SelectObject(dc, previous);
    DeleteObject(pen);
  }
}

}  // namespace

TimerFace::TimerFace(HWND parent, Language language, int displayId, ClockArea area)
    : area_(area), font_(createCountdownFont, language, dpiOf(parent)) {
  // No background brush: the paint fills the whole face itself.
  registerWindowClass(kTimerFaceClass, &windowProcOf<TimerFace>, 0, nullptr);
  RECT client{};
  GetClientRect(parent, &client);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  CreateWindowExW(0, kTimerFaceClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                  client.right, client.bottom, parent, nullptr, instance, this);
  display_ = CreateWindowExW(0, L"STATIC", L"Text1", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(displayId)), instance,
                             nullptr);
  placeChild(display_, kCountdownDisplayBox);
  SendMessageW(display_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

TimerFace::~TimerFace() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void TimerFace::showCountdownText(std::string_view text) {
  if (display_) SetWindowTextW(display_, toWide(text).c_str());
}

void TimerFace::showHands(const LocalTime& time) {
  handsTime_ = time;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TimerFace::startTicking(std::function<void()> tick) {
  tick_ = std::move(tick);
  if (hwnd_) SetTimer(hwnd_, kTickTimerId, kCountdownTickMs, nullptr);
}

void TimerFace::stopTicking() {
  if (hwnd_) KillTimer(hwnd_, kTickTimerId);
  tick_ = nullptr;
}

void TimerFace::fitParent() {
  if (!hwnd_) return;
  RECT client{};
  GetClientRect(GetParent(hwnd_), &client);
  SetWindowPos(hwnd_, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  font_.rescale(hwnd_, dpiOf(hwnd_));
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void TimerFace::paintNow() {
  if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LRESULT TimerFace::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_;
  switch (message) {
    case WM_TIMER:
      // The tick may close the window and so this face: nothing of it is
      // touched afterwards.
      if (wParam == kTickTimerId && tick_) {
        const std::function<void()> tick = tick_;
        tick();
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint();
      return 0;
    case WM_RBUTTONDOWN:
      if (popup_) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &at);
        TrackPopupMenu(popup_, TPM_LEFTALIGN, at.x, at.y, 0, GetAncestor(hwnd, GA_ROOT),
                       nullptr);
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      // The display on the face's own colour, as the window background.
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void TimerFace::paint() {
  PAINTSTRUCT paint{};
  HDC screen = BeginPaint(hwnd_, &paint);
  RECT client{};
  GetClientRect(hwnd_, &client);
  // The whole face is drawn into a bitmap and copied at once.
  HDC buffer = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  const HGDIOBJ previousBitmap = SelectObject(buffer, bitmap);
  FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
  drawHands(buffer, client, handsTime_, area_, dpiOf(hwnd_));
  BitBlt(screen, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, previousBitmap);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(hwnd_, &paint);
}

}  // namespace fuda
