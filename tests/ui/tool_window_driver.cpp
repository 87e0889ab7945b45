#include "tests/ui/tool_window_driver.h"

#include <QTimer>

#include "frontends/qt/tool_window.h"

namespace fuda::testing {

ToolWindowRun driveToolWindow(QWidget* owner, std::string_view name,
                              const std::function<void(ToolWindow&)>& drive,
                              const std::function<int()>& open) {
  ToolWindowRun run;
  const QString objectName = QString::fromUtf8(name.data(), static_cast<int>(name.size()));
  // A timer of this call only: when nothing opens, it dies unfired.
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* window = owner->findChild<ToolWindow*>(objectName, Qt::FindDirectChildrenOnly);
    if (!window || !window->isVisible()) return;
    run.opened = true;
    drive(*window);
    if (!window->isClosed()) {
      run.leftOpen = true;
      window->close();
    }
  });
  timer.start(0);
  run.code = open();
  return run;
}

ToolWindowRun driveToolWindow(QWidget* owner, std::string_view name,
                              const ToolWindowRegistry& registry,
                              const std::function<void(ToolWindow&)>& drive) {
  return driveToolWindow(owner, name, drive,
                         [&] { return showToolWindow(owner, name, registry); });
}

}  // namespace fuda::testing
