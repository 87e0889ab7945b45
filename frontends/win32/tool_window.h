#pragma once
// The reader's modal tool windows: "Timer", "CSelect" and "HSelect". Each is
// a top-level window over its owner (the main window), which stays disabled
// while it is open; showToolWindow returns only after the window has closed,
// by any path. A window's controls and behaviour are a ToolWindowContent
// that its feature's builder makes, registered under the window's name.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/texts/language.h"
#include "core/screen/tool_window_builders.h"
#include "core/screen/tool_window_names.h"

namespace fuda {

class ToolWindow;

// What a tool window does with its messages. GUI thread, like everything
// here.
class ToolWindowContent {
 public:
  virtual ~ToolWindowContent() = default;
  // A message to the tool window itself; nullopt leaves it to the default
  // handling. WM_CLOSE left unhandled closes the window with code 0.
  virtual std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Builds the window's controls into window.hwnd() and returns what handles
// its messages; runs after the window is made and before it is first shown.
// A builder may close the window at once (closeToolWindow) to open nothing.
using ToolWindowBuilder = std::function<std::unique_ptr<ToolWindowContent>(ToolWindow& window)>;
using ToolWindowRegistry = ToolWindowBuilders<ToolWindowBuilder>;

class ToolWindow {
 public:
  ToolWindow(HWND owner, Language language) : owner_(owner), language_(language) {}
  ToolWindow(const ToolWindow&) = delete;
  ToolWindow& operator=(const ToolWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND owner() const { return owner_; }
  Language language() const { return language_; }
  bool isClosed() const { return closed_; }

 private:
  friend int showToolWindow(HWND, std::string_view, const ToolWindowRegistry&);
  friend void closeToolWindow(ToolWindow&, int);
  template <class Window>
  friend LRESULT CALLBACK windowProcOf(HWND, UINT, WPARAM, LPARAM);
  void attach(HWND hwnd) { hwnd_ = hwnd; }
  void detach() { hwnd_ = nullptr; }
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND owner_;
  Language language_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<ToolWindowContent> content_;
  bool closed_ = false;
  int code_ = 0;
};

// Opens the named window over `owner`, disables the owner and runs a nested
// message loop until the window closes, by closeToolWindow or by being
// destroyed from outside; the owner is enabled again however the window
// went. Returns the code given to closeToolWindow. A name other than the
// three (compared exactly), or one nothing has registered, opens nothing and
// returns 0 at once. A WM_QUIT arriving meanwhile ends the loop and is posted
// again for the main loop.
int showToolWindow(HWND owner, std::string_view name, const ToolWindowRegistry& registry);

// Enables the owner again, destroys the window and ends the nested loop
// with `code`. Every close path of every tool window comes here.
void closeToolWindow(ToolWindow& window, int code);

}  // namespace fuda
