#pragma once
// The reader's modal tool windows: "Timer", "CSelect" and "HSelect". Each is
// a top-level window over its owner (the main window), which stays disabled
// while it is open; showToolWindow returns only after the window has closed,
// by any path. The window's controls are built by a ToolWindowBuilder that
// its feature registers under the window's name.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>
#include <string_view>

#include "core/texts/language.h"
#include "core/screen/tool_window_builders.h"
#include "core/screen/tool_window_names.h"

class QEventLoop;

namespace fuda {

// Whether the user may resize the window (the selection dialogs have a
// sizing border, the timer does not).
enum class ToolWindowSizing { Fixed, Resizable };

class ToolWindow;
// Builds the window's controls into window.client() and connects them; runs
// before the window is first shown.
using ToolWindowBuilder = std::function<void(ToolWindow& window)>;
using ToolWindowRegistry = ToolWindowBuilders<ToolWindowBuilder>;

class ToolWindow : public QMainWindow {
 public:
  // GUI thread only, like everything here.
  ToolWindow(QWidget* owner, Language language, QSize clientSize, ToolWindowSizing sizing);
  ~ToolWindow() override;

  // The area the controls are placed in, in client pixels (below the menu
  // bar, if the builder gives the window one).
  QWidget* client() const { return centralWidget(); }
  Language language() const { return language_; }
  QWidget* owner() const { return owner_; }
  // What the close box does; by default it closes the window with code 0.
  void setCloseBoxHandler(std::function<void()> handler) { closeBoxHandler_ = std::move(handler); }
  // Where the window first appears, run once it is built and sized; by
  // default it is centred over its owner.
  void setPlacement(std::function<void()> place) { place_ = std::move(place); }
  bool isClosed() const { return closed_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend int showToolWindow(QWidget*, std::string_view, const ToolWindowRegistry&);
  friend void closeToolWindow(ToolWindow&, int);

  Language language_;
  QPointer<QWidget> owner_;
  std::function<void()> closeBoxHandler_;
  std::function<void()> place_;
  QEventLoop* loop_ = nullptr;
  bool closed_ = false;
  int code_ = 0;
};

// Opens the named window over `owner`, disables the owner and runs a nested
// event loop until closeToolWindow ends it; the owner is enabled again
// however the window went. Returns the code given to closeToolWindow. A name
// other than the three (compared exactly), or one nothing has registered,
// opens nothing and returns 0 at once.
int showToolWindow(QWidget* owner, std::string_view name, const ToolWindowRegistry& registry);

// Enables the owner again, hides the window (it is deleted when
// showToolWindow returns) and ends the nested loop with `code`. Every close
// path of every tool window comes here.
void closeToolWindow(ToolWindow& window, int code);

}  // namespace fuda
