#include "frontends/win32/tool_window.h"

#include "core/screen/tool_window_layout.h"
#include "frontends/win32/wide_text.h"
#include "frontends/win32/window_class.h"

namespace fuda {

namespace {

constexpr const wchar_t* kToolWindowClass = L"NORMALDLG";
// The program's icon in its resources, shown by the timer's caption.
constexpr int kProgramIconResource = 103;

DWORD styleOf(const ToolWindowLayout& layout) {
  const DWORD border = layout.border == WindowBorder::Sizing ? WS_THICKFRAME : WS_POPUP;
  const DWORD visible = layout.shown == FirstShown::AtCreation ? WS_VISIBLE : 0;
  return border | visible | WS_CAPTION | WS_SYSMENU;
}

}  // namespace

LRESULT ToolWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_;
  if (content_) {
    if (const std::optional<LRESULT> result = content_->handle(message, wParam, lParam)) {
      return *result;
    }
  }
  switch (message) {
    case WM_CLOSE:
      closeToolWindow(*this, 0);
      return 0;
    case WM_DESTROY:
      // Destroyed from outside too (with its owner): the loop must not wait.
      closed_ = true;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

int showToolWindow(HWND owner, std::string_view name, const ToolWindowRegistry& registry) {
  const ToolWindowLayout* kind = toolWindowLayout(name);
  const ToolWindowBuilder* build = registry.find(name);
  if (!kind || !build || !*build) return 0;
  registerWindowClass(kToolWindowClass, &windowProcOf<ToolWindow>, 0,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));

  ToolWindow window(owner, registry.language());
  HINSTANCE instance = GetModuleHandleW(nullptr);
  CreateWindowExW(0, kToolWindowClass, toWide(pick(registry.language(), kind->caption)).c_str(),
                  styleOf(*kind), CW_USEDEFAULT, CW_USEDEFAULT, kind->size.width,
                  kind->size.height, owner, nullptr, instance, &window);
  if (!window.hwnd_) return 0;
  window.content_ = (*build)(window);
  if (kind->icon == WindowIcon::Program && window.hwnd_) {
    if (HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconResource))) {
      SendMessageW(window.hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
  }

  if (!window.closed_) {
    ShowWindow(window.hwnd_, SW_SHOW);
    if (owner) EnableWindow(owner, FALSE);
    // Every window of the thread goes on: the main window still repaints.
    while (!window.closed_) {
      MSG message;
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got == 0) {
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      if (got < 0) break;
      if (window.hwnd_ && IsDialogMessageW(window.hwnd_, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  // Left by a WM_QUIT with the window still there: it goes now.
  closeToolWindow(window, window.code_);
  if (owner && IsWindow(owner)) EnableWindow(owner, TRUE);
  return window.code_;
}

void closeToolWindow(ToolWindow& window, int code) {
  if (!window.closed_) window.code_ = code;
  window.closed_ = true;
  // The owner first, so that it, not some other program, is activated when
  // this window goes.
  if (window.owner_ && IsWindow(window.owner_)) EnableWindow(window.owner_, TRUE);
  if (window.hwnd_) DestroyWindow(window.hwnd_);
}

}  // namespace fuda
