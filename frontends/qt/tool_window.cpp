#include "frontends/qt/tool_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "core/screen/tool_window_layout.h"
#include "frontends/qt/qt_text.h"

namespace fuda {

namespace {

// Qt sizes a tool window by its client area, below any menu bar. A window
// with a fixed border loses to Windows' frame what Windows takes of its
// outer size: 3-pixel borders, a 19-pixel caption and a 20-pixel menu bar.
// The sizing dialogs keep their whole size as their client area, so that
// their controls, laid out for Windows' faces, have room in Qt's wider ones.
QSize clientSizeOf(const ToolWindowLayout& layout) {
  if (layout.border == WindowBorder::Sizing) return {layout.size.width, layout.size.height};
  return {layout.size.width - 2 * 3, layout.size.height - 2 * 3 - 19 - (layout.menuBar ? 20 : 0)};
}

ToolWindowSizing sizingOf(const ToolWindowLayout& layout) {
  return layout.border == WindowBorder::Sizing ? ToolWindowSizing::Resizable
                                               : ToolWindowSizing::Fixed;
}

// Fits the window around its client area and whatever menu bar the builder
// gave it; a window with a sizing border may grow but not hide its controls.
void fitToClient(ToolWindow& window, QSize clientSize, ToolWindowSizing sizing) {
  const int menuHeight = window.menuWidget() ? window.menuWidget()->sizeHint().height() : 0;
  const QSize outer(clientSize.width(), clientSize.height() + menuHeight);
  if (sizing == ToolWindowSizing::Fixed) {
    window.setFixedSize(outer);
  } else {
    window.setMinimumSize(outer);
    window.resize(outer);
  }
}

// Over the middle of its owner, but wholly on the owner's screen.
void centreOver(ToolWindow& window, const QWidget* owner) {
  if (!owner) return;
  QPoint topLeft =
      owner->frameGeometry().center() - QPoint(window.width() / 2, window.height() / 2);
  if (const QScreen* screen = owner->screen()) {
    const QRect area = screen->availableGeometry();
    topLeft.setX(std::clamp(topLeft.x(), area.left(),
                            std::max(area.left(), area.right() + 1 - window.width())));
    topLeft.setY(std::clamp(topLeft.y(), area.top(),
                            std::max(area.top(), area.bottom() + 1 - window.height())));
  }
  window.move(topLeft);
}

}  // namespace

ToolWindow::ToolWindow(QWidget* owner, Language language, QSize clientSize,
                       ToolWindowSizing sizing)
    : QMainWindow(owner), language_(language), owner_(owner) {
  // A caption with a close box only: no minimise or maximise boxes.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  auto* area = new QWidget;
  area->setMinimumSize(clientSize);
  setCentralWidget(area);
  fitToClient(*this, clientSize, sizing);
}

ToolWindow::~ToolWindow() {
  // Taken down with its owner while open: the loop must not wait for it.
  if (loop_) loop_->exit(code_);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    if (closeBoxHandler_) {
      closeBoxHandler_();
    } else {
      closeToolWindow(*this, 0);
    }
  }
  event->setAccepted(closed_);
}

int showToolWindow(QWidget* owner, std::string_view name, const ToolWindowRegistry& registry) {
  const ToolWindowLayout* kind = toolWindowLayout(name);
  const ToolWindowBuilder* build = registry.find(name);
  if (!kind || !build || !*build) return 0;

  // On the heap, parented to the owner so that it stays over it; the pointer
  // guards against the owner taking it down while the loop runs.
  const QPointer<QWidget> guardedOwner(owner);
  QPointer<ToolWindow> window =
      new ToolWindow(owner, registry.language(), clientSizeOf(*kind), sizingOf(*kind));
  window->setObjectName(toQString(kind->name));
  window->setWindowTitle(toQString(pick(registry.language(), kind->caption)));
  if (kind->icon == WindowIcon::Program) {
    window->setWindowIcon(QIcon(QStringLiteral(":/program_icon.png")));
  }
  (*build)(*window);
  fitToClient(*window, clientSizeOf(*kind), sizingOf(*kind));
  // Placed at its final size, so that it lies wholly on the screen.
  if (window->place_) {
    window->place_();
  } else {
    centreOver(*window, owner);
  }

  int code = 0;
  if (!window->closed_) {
    window->show();
    window->activateWindow();
    if (owner) {
      owner->setEnabled(false);
      // Disabling the owner disables its children, this window among them.
      window->setEnabled(true);
    }
    QEventLoop loop;
    window->loop_ = &loop;
    // Ends by closeToolWindow, or by the application quitting.
    loop.exec();
    if (window) window->loop_ = nullptr;
  }
  if (window) code = window->code_;
  if (guardedOwner) guardedOwner->setEnabled(true);
  delete window.data();
  return code;
}

void closeToolWindow(ToolWindow& window, int code) {
  if (window.closed_) return;
  window.closed_ = true;
  window.code_ = code;
  if (window.owner_) window.owner_->setEnabled(true);
  window.hide();
  if (window.loop_) window.loop_->exit(code);
}

}  // namespace fuda
