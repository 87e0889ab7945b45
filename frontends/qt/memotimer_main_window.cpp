#include "frontends/qt/memotimer_main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "frontends/qt/timer_face.h"
#include "frontends/qt/timer_menu.h"
#include "core/countdown/memotimer_ids.h"
#include "core/texts/timer_texts.h"
#include "frontends/qt/qt_text.h"

namespace fuda {

MemotimerMainWindow::MemotimerMainWindow(Language language, MemotimerPorts ports)
    : language_(language),
      pause_(std::move(ports.pause)),
      session_(ports.clock, ports.announcer, *this) {
  // A caption with a close box only: no resizing, minimising or maximising.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(toQString(pick(language_, texts::kTimerWindowTitle)));
  setWindowIcon(QIcon(QStringLiteral(":/program_icon.png")));

  face_ = new TimerFace(language_, kMemotimerDisplay, ClockArea::AboveStatusBar);
  face_->setFixedSize(kMemotimerClientSize);
  setCentralWidget(face_);

  QMenu* popup = buildTimerPopup(language_, kMemotimerMenu, this, [this](int id) { dispatchCommand(id); });
  attachTimerMenuBar(menuBar(), popup, language_);
  face_->setPopup(popup);

  // The status bar lies inside the client area, at its bottom edge, where
  // the clock keeps its strip clear.
  auto* status = new QStatusBar(face_);
  status->setObjectName(QString::number(kMemotimerStatusBar));
  status->setSizeGripEnabled(false);
  status->addWidget(new QLabel(toQString(pick(language_, texts::kMemotimerNotice))), 1);
  status->setGeometry(0, kMemotimerClientSize.height() - kStatusBarStrip,
                      kMemotimerClientSize.width(), kStatusBarStrip);

  session_.begin(*face_);
  connect(face_, &TimerFace::ticked, this, [this] { tick(); });
  face_->startTicking();
  adjustSize();
  setFixedSize(size());
}

void MemotimerMainWindow::stopTicking() {
  face_->stopTicking();
  face_->repaint();
}

void MemotimerMainWindow::closeEvent(QCloseEvent* event) {
  if (!quitting_) {
    quitting_ = true;
    session_.closing();
    face_->stopTicking();
    emit quitRequested();
  }
  event->accept();
}

}  // namespace fuda
