#include "frontends/win32/reader_main_window.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "core/screen/main_window_layout.h"
#include "core/texts/main_window_texts.h"
#include "frontends/win32/dpi_scaling.h"
#include "frontends/win32/main_menu_bar.h"
#include "frontends/win32/resource_ids.h"
#include "frontends/win32/wide_text.h"
#include "frontends/win32/window_class.h"
#include "frontends/win32/window_fonts.h"

namespace fuda {

namespace {

constexpr wchar_t kClassName[] = L"NORMAL0";

constexpr DWORD kLabel = SS_NOPREFIX;

const wchar_t* windowClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
      return L"BUTTON";
    case ControlKind::TrackBar:
      return TRACKBAR_CLASSW;
    case ControlKind::Picture:
    case ControlKind::Frame:
    case ControlKind::Label:
      break;
  }
  return L"STATIC";
}

DWORD styleOf(const ControlLayout& control) {
  const DWORD group = control.style == ControlStyle::GroupStart ? WS_GROUP : 0;
  switch (control.kind) {
    case ControlKind::Picture:
      return SS_BITMAP | SS_NOTIFY;
    case ControlKind::Frame:
      return SS_ETCHEDFRAME | WS_DISABLED;
    case ControlKind::PushButton:
      return BS_PUSHBUTTON | WS_TABSTOP;
    case ControlKind::TrackBar:
      return TBS_HORZ | TBS_BOTH | TBS_NOTICKS;
    case ControlKind::Label:
      switch (control.style) {
        case ControlStyle::TextRight:
          return kLabel | SS_RIGHT;
        case ControlStyle::TextOneLine:
          return kLabel | SS_LEFTNOWORDWRAP;
        default:
          return kLabel | SS_LEFT;
      }
    case ControlKind::RadioButton:
      return BS_AUTORADIOBUTTON | group;
    case ControlKind::GroupBox:
      return BS_GROUPBOX | group;
  }
  return 0;
}

DWORD extendedStyleOf(ControlKind kind) {
  return kind == ControlKind::Frame ? WS_EX_TRANSPARENT : 0;
}

bool isClickCommand(int id) {
  switch (id) {
    case kStartWithMemoButton:
    case kQuickStartButton:
    case kNextButton:
    case kExitButton:
    case kManualRadio:
    case kAutoRadio:
      return true;
    default:
      return false;
  }
}

bool isMenuCommand(int id) { return id >= kCmdTestReading && id <= kCmdAbout; }

HINSTANCE programInstance() { return GetModuleHandleW(nullptr); }

void initCommonControls() {
  INITCOMMONCONTROLSEX init{};
  init.dwSize = sizeof init;
  init.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&init);
}

// The banner is drawn for 100 %; at other scalings it is stretched
// smoothly to the size its control has there.
HBITMAP loadTitlePicture(SIZE size) {
  HBITMAP original = static_cast<HBITMAP>(LoadImageW(programInstance(),
                                                     MAKEINTRESOURCEW(FUDA_TITLE_PICTURE_BITMAP),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!original) return nullptr;
  BITMAP picture{};
  GetObjectW(original, sizeof picture, &picture);
  if (picture.bmWidth == size.cx && picture.bmHeight == size.cy) return original;
  HDC screen = GetDC(nullptr);
  HDC from = CreateCompatibleDC(screen);
  HDC to = CreateCompatibleDC(screen);
  HBITMAP scaled = CreateCompatibleBitmap(screen, size.cx, size.cy);
  const HGDIOBJ previousFrom = SelectObject(from, original);
  const HGDIOBJ previousTo = SelectObject(to, scaled);
  SetStretchBltMode(to, HALFTONE);
  SetBrushOrgEx(to, 0, 0, nullptr);
  StretchBlt(to, 0, 0, size.cx, size.cy, from, 0, 0, picture.bmWidth, picture.bmHeight, SRCCOPY);
  SelectObject(from, previousFrom);
  SelectObject(to, previousTo);
  DeleteDC(from);
  DeleteDC(to);
  ReleaseDC(nullptr, screen);
  DeleteObject(original);
  return scaled;
}

}  // namespace

ReaderMainWindow::ReaderMainWindow(Language language, MessageSink& messages,
                                   std::function<void(int)> onCommand,
                                   std::function<void(int)> onTrackBar,
                                   std::function<void()> onClose)
    : language_(language),
      messages_(messages),
      onCommand_(std::move(onCommand)),
      onTrackBar_(std::move(onTrackBar)),
      onClose_(std::move(onClose)) {
  initCommonControls();
  HINSTANCE instance = programInstance();
  registerWindowClass(kClassName, &ReaderMainWindow::windowProc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                      GetSysColorBrush(COLOR_BTNFACE), ClassIcon::Program);
  HMENU menuBar = createMainMenuBar(language_);
  // WM_NCCREATE remembers the window in hwnd_. It first appears where the
  // system puts it, so at the system's DPI.
  const SIZE size = scaledForDpi(kMainWindowSize, dpiOf(nullptr));
  CreateWindowExW(0, kClassName, toWide(pick(language_, texts::kWindowTitle)).c_str(),
                  WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy,
                  nullptr, menuBar, instance, this);
  if (hwnd_ == nullptr) {
    DestroyMenu(menuBar);
    return;
  }
  controlFont_.emplace(createControlFont, language_, dpiOf(hwnd_));
  buildControls();
}

ReaderMainWindow::~ReaderMainWindow() {
  if (hwnd_ != nullptr) {
    // Going with its owner, not closed by anyone: nobody is told.
    closeRan_ = true;
    DestroyWindow(hwnd_);
  }
  gui_.close();
  if (titlePicture_ != nullptr) DeleteObject(titlePicture_);
}

void ReaderMainWindow::buildControls() {
  HINSTANCE instance = programInstance();
  for (const ControlLayout& control : kMainWindowControls) {
    const ScreenBox& box = boxIn(language_, control);
    HWND child = CreateWindowExW(
        extendedStyleOf(control.kind), windowClassOf(control.kind),
        toWide(pick(language_, control.caption)).c_str(), WS_CHILD | WS_VISIBLE | styleOf(control),
        0, 0, 0, 0, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    placeChild(child, box);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont_->get()), FALSE);
  }
  showTitlePicture();
  SendDlgItemMessageW(hwnd_, kTimingTrackBar, TBM_SETRANGE, TRUE,
                      MAKELPARAM(kTrackBarMinimum, kTrackBarMaximum));

  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                               0, 0, 0, 0, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBar)),
                               instance, nullptr);
  SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont_->get()), FALSE);
  SendMessageW(statusBar_, SB_SETTEXTW, 0,
               reinterpret_cast<LPARAM>(toWide(pick(language_, texts::kMakerNotice)).c_str()));
}

void ReaderMainWindow::showTitlePicture() {
  // The control takes the picture's size; the old picture goes once the
  // control has let go of it.
  HWND control = GetDlgItem(hwnd_, kTitlePicture);
  RECT area{};
  GetClientRect(control, &area);
  HBITMAP previous = titlePicture_;
  titlePicture_ = loadTitlePicture(SIZE{area.right, area.bottom});
  SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(titlePicture_));
  if (previous != nullptr) DeleteObject(previous);
}

void ReaderMainWindow::onDpiChanged(UINT dpi, LPARAM suggested) {
  moveToSuggestedRect(hwnd_, suggested);
  controlFont_->rescale(hwnd_, dpi);
  showTitlePicture();
  if (statusBar_ != nullptr) SendMessageW(statusBar_, WM_SIZE, 0, 0);
}

void ReaderMainWindow::show(int showCommand) {
  if (hwnd_ == nullptr) return;
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
}

void ReaderMainWindow::setText(ControlId id, std::string_view text) {
  gui_.post([this, id, wide = toWide(text)] {
    if (hwnd_ != nullptr) SetDlgItemTextW(hwnd_, id, wide.c_str());
  });
}

void ReaderMainWindow::setEnabled(ControlId id, Enablement state) {
  gui_.post([this, id, state] {
    HWND control = hwnd_ != nullptr ? GetDlgItem(hwnd_, id) : nullptr;
    if (control == nullptr) return;
    const bool enable = state == Enablement::Enabled;
    // A disabled control cannot keep the focus; it passes to the next button.
    if (!enable && GetFocus() == control) {
      HWND next = GetNextDlgTabItem(hwnd_, control, FALSE);
      SetFocus(next != nullptr && next != control ? next : hwnd_);
    }
    EnableWindow(control, enable);
  });
}

void ReaderMainWindow::setTrackBarPosition(int position) {
  // TBM_SETPOS sends no scroll notification, so the move is not reported.
  gui_.post([this, position] {
    if (hwnd_ != nullptr) SendDlgItemMessageW(hwnd_, kTimingTrackBar, TBM_SETPOS, TRUE, position);
  });
}

void ReaderMainWindow::setReadModeRadio(ReadMode mode) {
  gui_.post([this, mode] {
    if (hwnd_ == nullptr) return;
    CheckRadioButton(hwnd_, kManualRadio, kAutoRadio,
                     mode == ReadMode::Manual ? kManualRadio : kAutoRadio);
  });
}

void ReaderMainWindow::releasePointer() {
  gui_.post([this] { mouseLock_.release(); });
}

void ReaderMainWindow::quitProgram() {
  gui_.post([this] { close(); });
}

void ReaderMainWindow::showMessage(std::string_view caption, std::string_view text,
                                   MessageOwner owner) {
  messages_.showMessage(caption, text, owner);
}

void ReaderMainWindow::reportTrackBar() {
  if (hwnd_ == nullptr || !onTrackBar_) return;
  onTrackBar_(static_cast<int>(SendDlgItemMessageW(hwnd_, kTimingTrackBar, TBM_GETPOS, 0, 0)));
}

void ReaderMainWindow::close() {
  if (hwnd_ == nullptr) return;
  finishClosing();
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void ReaderMainWindow::finishClosing() {
  if (closeRan_) return;
  closeRan_ = true;
  mouseLock_.release();
  if (onClose_) onClose_();
}

void ReaderMainWindow::onDestroyed() {
  // Destroyed from outside as well: the program is still told once.
  finishClosing();
  gui_.close();
  PostQuitMessage(0);
}

void ReaderMainWindow::onActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    mouseLock_.suspend();
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
    return;
  }
  mouseLock_.resume();
  // As a dialog does: the focus comes back to the control that had it, else
  // to the first button, so Tab has somewhere to start from.
  const bool minimised = HIWORD(wParam) != 0;
  if (minimised) return;
  HWND focus = lastFocus_;
  if (focus == nullptr || !IsWindow(focus) || !IsWindowEnabled(focus)) {
    focus = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  }
  SetFocus(focus != nullptr ? focus : hwnd_);
}

void ReaderMainWindow::onCommandMessage(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (!onCommand_) return;
  if (lParam == 0) {
    // Menu items; the dialog navigation's IDOK and IDCANCEL fall outside.
    if (code == 0 && isMenuCommand(id)) onCommand_(id);
    return;
  }
  if (id == kTitlePicture && code == STN_DBLCLK) {
    onCommand_(kTitlePicture);
  } else if (code == BN_CLICKED && isClickCommand(id)) {
    onCommand_(id);
  }
}

void ReaderMainWindow::onMouse(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: {
      POINT click;
      GetCursorPos(&click);
      mouseLock_.toggle(click, dpiOf(hwnd_));
      break;
    }
    case WM_RBUTTONDOWN:
      mouseLock_.showLockCursor();
      if (onCommand_) onCommand_(kGestureRightButton);
      break;
    case WM_RBUTTONDBLCLK:
      mouseLock_.showLockCursor();
      if (onCommand_) onCommand_(kGestureRightDoubleClick);
      break;
    case WM_MBUTTONDBLCLK:
      if (onCommand_) onCommand_(kGestureMiddleDoubleClick);
      break;
    default:  // moves and releases
      mouseLock_.showLockCursor();
      break;
  }
}

LRESULT ReaderMainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommandMessage(wParam, lParam);
      return 0;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(hwnd_, kTimingTrackBar)) reportTrackBar();
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == kTimingTrackBar && header->code == NM_RELEASEDCAPTURE) {
        reportTrackBar();
      }
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
    case WM_CTLCOLORSTATIC:
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kKimarijiLabel) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(kKimarijiColour.red, kKimarijiColour.green, kKimarijiColour.blue));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_SIZE:
      // The status bar docks itself again; the controls stay where they are.
      if (statusBar_ != nullptr) SendMessageW(statusBar_, WM_SIZE, 0, 0);
      return 0;
    case WM_ACTIVATE:
      onActivate(wParam);
      return 0;
    case WM_DPICHANGED:
      onDpiChanged(HIWORD(wParam), lParam);
      return 0;
    case WM_SETCURSOR:
      if (mouseLock_.isOn() && reinterpret_cast<HWND>(wParam) == hwnd_ &&
          LOWORD(lParam) == HTCLIENT) {
        mouseLock_.showLockCursor();
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      onMouse(message);
      return 0;
    case WM_CLOSE:
      // A tool window is open over the disabled window: it cannot be closed.
      if (IsWindowEnabled(hwnd_)) close();
      return 0;
    case WM_DESTROY:
      onDestroyed();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK ReaderMainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<ReaderMainWindow*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ReaderMainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->statusBar_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->handle(message, wParam, lParam);
}

}  // namespace fuda
