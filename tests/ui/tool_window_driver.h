#pragma once
// Drives a modal tool window from inside its nested event loop.
#include <functional>
#include <string_view>

#include "frontends/qt/tool_window.h"

namespace fuda::testing {

struct ToolWindowRun {
  int code = -1;          // what showToolWindow returned
  bool opened = false;    // the window was found open
  bool leftOpen = false;  // `drive` returned with the window still open
};

// Schedules `drive` to run on the open window (found by its name among the
// owner's children), then calls `open`, which must reach showToolWindow. A
// window that `drive` leaves open is closed by its close box afterwards, so a
// failing test cannot hang.
ToolWindowRun driveToolWindow(QWidget* owner, std::string_view name,
                              const std::function<void(ToolWindow&)>& drive,
                              const std::function<int()>& open);

// The same through showToolWindow itself.
ToolWindowRun driveToolWindow(QWidget* owner, std::string_view name,
                              const ToolWindowRegistry& registry,
                              const std::function<void(ToolWindow&)>& drive);

}  // namespace fuda::testing
