#include "frontends/qt/tool_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <array>

#include "core/texts/tool_window_texts.h"
#include "frontends/qt/qt_text.h"

namespace fuda {

namespace {

enum class WindowIcon { System, Program };

// The three tool windows: caption, client size, sizing border, icon.
struct ToolWindowKind {
  std::string_view name;
  LocalText caption;
  QSize clientSize;
  ToolWindowSizing sizing;
  WindowIcon icon;
};

const std::array<ToolWindowKind, 3> kKinds{{
    // The client area of a 600 x 200 window below its caption and menu bar.
    {kTimerWindowName, texts::kTimerWindowCaption, QSize(594, 155), ToolWindowSizing::Fixed,
     WindowIcon::Program},
    {kCardSelectionWindowName, texts::kCardSelectionWindowCaption, QSize(800, 600),
     ToolWindowSizing::Resizable, WindowIcon::System},
    {kThirdGameWindowName, texts::kThirdGameWindowCaption, QSize(480, 360),
     ToolWindowSizing::Resizable, WindowIcon::System},
}};

const ToolWindowKind* findKind(std::string_view name) {
  for (const ToolWindowKind& kind : kKinds) {
    if (kind.name == name) return &kind;
  }
  return nullptr;
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
  const ToolWindowKind* kind = findKind(name);
  const ToolWindowBuilder* build = registry.find(name);
  if (!kind || !build || !*build) return 0;

  // On the heap, parented to the owner so that it stays over it; the pointer
  // guards against the owner taking it down while the loop runs.
  const QPointer<QWidget> guardedOwner(owner);
  QPointer<ToolWindow> window =
      new ToolWindow(owner, registry.language(), kind->clientSize, kind->sizing);
  window->setObjectName(toQString(kind->name));
  window->setWindowTitle(toQString(pick(registry.language(), kind->caption)));
  if (kind->icon == WindowIcon::Program) {
    window->setWindowIcon(QIcon(QStringLiteral(":/program_icon.png")));
  }
  (*build)(*window);
  fitToClient(*window, kind->clientSize, kind->sizing);
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
