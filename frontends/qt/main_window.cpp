#include "frontends/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QSignalBlocker>

#include <algorithm>

#include "frontends/qt/fonts.h"
#include "frontends/qt/gui_thread.h"
#include "core/screen/main_menu_layout.h"
#include "core/screen/main_window_layout.h"
#include "core/texts/main_window_texts.h"
#include "frontends/qt/qt_text.h"

namespace fuda {

namespace {

// The client area between the menu bar and the status bar: the model's
// outer size less what Windows' sizing border, caption, menu bar and status
// bar take of it. It grows with the window: all of it is the background.
constexpr QSize kClientSize(kMainWindowSize.width - 16, kMainWindowSize.height - 75);

// The title picture keeps its own clicks; only its left double-click is a
// command.
class TitlePicture : public QLabel {
 public:
  explicit TitlePicture(std::function<void()> onDoubleClick)
      : onDoubleClick_(std::move(onDoubleClick)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() == Qt::LeftButton) onDoubleClick_();
  }

 private:
  std::function<void()> onDoubleClick_;
};

// The stand-in faces run a little wider than the faces the layout was made
// for; a text that would be clipped is narrowed just enough to fit its place.
void fitText(QWidget* widget, const QString& text, int available) {
  QFont font = widget->font();
  font.setStretch(QFont::Unstretched);
  const int needed = QFontMetrics(font).horizontalAdvance(text);
  if (needed > available && available > 0) {
    font.setStretch(std::max(65, available * 100 / needed));
  }
  widget->setFont(font);
}

QFrame* etchedFrame() {
  auto* frame = new QFrame;
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setEnabled(false);
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  return frame;
}

QLabel* textLabel(std::string_view caption, Qt::Alignment alignment) {
  auto* label = new QLabel(toQString(caption));
  label->setAlignment(alignment | Qt::AlignTop);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

MainWindow::MainWindow(Language language, MessageSink& messages)
    : language_(language), messages_(messages) {
  setWindowTitle(toQString(pick(language_, texts::kWindowTitle)));
  setWindowIcon(QIcon(QStringLiteral(":/program_icon.png")));
  setFont(controlFont(language_));

  auto* client = new QWidget;
  client->setMinimumSize(kClientSize);
  client->setMouseTracking(true);
  client->installEventFilter(this);
  setCentralWidget(client);
  mouseLock_.attach(client);

  buildMenus();
  buildControls();

  auto* status = new QStatusBar;
  status->setObjectName(QString::number(kStatusBar));
  status->setSizeGripEnabled(true);
  auto* notice = new QLabel(toQString(pick(language_, texts::kMakerNotice)));
  status->addWidget(notice, 1);
  setStatusBar(status);

  adjustSize();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::addControl(const ControlLayout& layout) {
  const ScreenBox& box = boxIn(language_, layout);
  const QString caption = toQString(pick(language_, layout.caption));
  const int id = layout.id;
  QWidget* widget = nullptr;
  switch (layout.kind) {
    case ControlKind::Picture: {
      auto* picture = new TitlePicture([this, id] { emit commandIssued(id); });
      picture->setPixmap(QPixmap(QStringLiteral(":/title_picture.png")));
      widget = picture;
      break;
    }
    case ControlKind::Frame:
      widget = etchedFrame();
      break;
    case ControlKind::PushButton: {
      auto* button = new QPushButton(caption);
      button->setFocusPolicy(Qt::StrongFocus);
      // Enter presses the button that has the focus, as Space does.
      button->setAutoDefault(true);
      connect(button, &QPushButton::clicked, this, [this, id] { emit commandIssued(id); });
      widget = button;
      break;
    }
    case ControlKind::TrackBar:
      trackBar_ = new QSlider(Qt::Horizontal);
      trackBar_->setRange(kTrackBarMinimum, kTrackBarMaximum);
      trackBar_->setTickPosition(QSlider::NoTicks);
      trackBar_->setFocusPolicy(Qt::ClickFocus);
      connect(trackBar_, &QSlider::valueChanged, this,
              [this](int position) { emit trackBarMoved(position); });
      connect(trackBar_, &QSlider::sliderReleased, this,
              [this] { emit trackBarMoved(trackBar_->value()); });
      widget = trackBar_;
      break;
    case ControlKind::Label:
      widget = textLabel(pick(language_, layout.caption),
                         layout.style == ControlStyle::TextRight ? Qt::AlignRight : Qt::AlignLeft);
      break;
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(caption);
      radio->setFocusPolicy(Qt::ClickFocus);
      connect(radio, &QRadioButton::clicked, this, [this, id] { emit commandIssued(id); });
      widget = radio;
      break;
    }
    case ControlKind::GroupBox:
      widget = new QGroupBox;
      widget->setFocusPolicy(Qt::NoFocus);
      // Like the frames, the group box is drawing only: clicks on it reach
      // the background.
      widget->setAttribute(Qt::WA_TransparentForMouseEvents);
      break;
  }
  widget->setParent(centralWidget());
  widget->setObjectName(QString::number(id));
  widget->setFont(controlFont(language_));
  widget->setGeometry(box.x, box.y, box.width, box.height);
  // Its clicks while disabled are the background's (eventFilter).
  widget->installEventFilter(this);
  controls_[id] = widget;
  return widget;
}

void MainWindow::buildControls() {
  for (const ControlLayout& layout : kMainWindowControls) {
    QWidget* widget = addControl(layout);
    if (layout.kind == ControlKind::RadioButton) {
      auto* radio = static_cast<QRadioButton*>(widget);
      const int indicator =
          radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
          radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
      fitText(radio, radio->text(), radio->width() - indicator - 2);
    }
  }
  // Drawing only: behind everything else.
  for (const ControlLayout& layout : kMainWindowControls) {
    if (layout.kind == ControlKind::Frame || layout.kind == ControlKind::GroupBox) {
      control(layout.id)->lower();
    }
  }

  QWidget* kimariji = control(kKimarijiLabel);
  QPalette red = kimariji->palette();
  red.setColor(QPalette::WindowText,
               QColor(kKimarijiColour.red, kKimarijiColour.green, kKimarijiColour.blue));
  kimariji->setPalette(red);

  // Tab walks the four buttons in creation order.
  setTabOrder(control(kStartWithMemoButton), control(kQuickStartButton));
  setTabOrder(control(kQuickStartButton), control(kNextButton));
  setTabOrder(control(kNextButton), control(kExitButton));
}

void MainWindow::buildMenus() {
  for (const MenuLayout& layout : kMainMenuBar) {
    QMenu* menu = menuBar()->addMenu(toQString(pick(language_, layout.title)));
    for (const MenuItemLayout& item : layout.items) {
      if (item.id == 0) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(toQString(pick(language_, item.caption)));
      action->setObjectName(QString::number(item.id));
      const int id = item.id;
      connect(action, &QAction::triggered, this, [this, id] { emit commandIssued(id); });
    }
  }
}

QWidget* MainWindow::control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second.data();
}

void MainWindow::setText(ControlId id, std::string_view text) {
  onGuiThread(this, [this, id, text = toQString(text)] {
    if (auto* label = qobject_cast<QLabel*>(control(id))) {
      label->setText(text);
      fitText(label, text, label->width());
    }
  });
}

void MainWindow::setEnabled(ControlId id, Enablement state) {
  onGuiThread(this, [this, id, state] {
    if (QWidget* widget = control(id)) widget->setEnabled(state == Enablement::Enabled);
  });
}

void MainWindow::setTrackBarPosition(int position) {
  onGuiThread(this, [this, position] {
    const QSignalBlocker quiet(trackBar_);
    trackBar_->setValue(position);
  });
}

void MainWindow::setReadModeRadio(ReadMode mode) {
  onGuiThread(this, [this, mode] {
    auto* manual = qobject_cast<QRadioButton*>(control(kManualRadio));
    auto* automatic = qobject_cast<QRadioButton*>(control(kAutoRadio));
    (mode == ReadMode::Manual ? manual : automatic)->setChecked(true);
  });
}

void MainWindow::releasePointer() {
  onGuiThread(this, [this] { mouseLock_.release(); });
}

void MainWindow::quitProgram() {
  onGuiThread(this, [this] { close(); });
}

void MainWindow::showMessage(std::string_view caption, std::string_view text,
                             MessageOwner owner) {
  messages_.showMessage(caption, text, owner);
}

bool MainWindow::onBackground(const QMouseEvent& mouse) const {
  // While the lock holds the pointer, every press comes to the client area.
  if (mouseLock_.isHolding()) return true;
  // A press that an enabled control did not take travels on to the client
  // area; it is still that control's click, not the background's. A disabled
  // control takes no clicks at all: they are the background's, so a right
  // click on a button greyed out during a reading still reads on. Labels,
  // frames and the group box are transparent to the mouse, so childAt passes
  // them by.
  const QWidget* under = centralWidget()->childAt(mouse.position().toPoint());
  return under == nullptr || !under->isEnabled();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != centralWidget()) {
    // A disabled button takes its mouse events and does nothing with them,
    // so they never reach the client area; they go there as they would
    // have on a disabled control's background.
    auto* control = qobject_cast<QWidget*>(watched);
    const bool mouse = event->type() == QEvent::MouseButtonPress ||
                       event->type() == QEvent::MouseButtonDblClick ||
                       event->type() == QEvent::MouseButtonRelease ||
                       event->type() == QEvent::MouseMove;
    if (control && mouse && !control->isEnabled()) {
      const auto* original = static_cast<QMouseEvent*>(event);
      QMouseEvent onClient(event->type(), control->mapTo(centralWidget(), original->position()),
                           original->globalPosition(), original->button(), original->buttons(),
                           original->modifiers(), original->pointingDevice());
      eventFilter(centralWidget(), &onClient);
      return true;
    }
    return QMainWindow::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!onBackground(*mouse)) return true;
      if (mouse->button() == Qt::LeftButton) {
        mouseLock_.toggle(mouse->globalPosition().toPoint());
      } else if (mouse->button() == Qt::RightButton) {
        mouseLock_.showLockCursor();
        emit commandIssued(kGestureRightButton);
      }
      return true;
    }
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!onBackground(*mouse)) return true;
      if (mouse->button() == Qt::RightButton) {
        mouseLock_.showLockCursor();
        emit commandIssued(kGestureRightDoubleClick);
      } else if (mouse->button() == Qt::MiddleButton) {
        emit commandIssued(kGestureMiddleDoubleClick);
      }
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      mouseLock_.keepInPlace(mouse->globalPosition().toPoint());
      mouseLock_.showLockCursor();
      return false;
    }
    case QEvent::MouseButtonRelease:
      mouseLock_.showLockCursor();
      return false;
    default:
      return false;
  }
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      mouseLock_.resume();
    } else {
      mouseLock_.suspend();
    }
  }
  QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A tool window is open over the disabled main window: it cannot be closed.
  if (!isEnabled()) {
    event->ignore();
    return;
  }
  if (!closing_) {
    closing_ = true;
    mouseLock_.release();
    if (closeHandler_) closeHandler_();
  }
  event->accept();
}

}  // namespace fuda
