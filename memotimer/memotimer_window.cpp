#include "memotimer/memotimer_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "common/ui/timer_face.h"
#include "common/ui/timer_menu.h"
#include "common/memotimer_ids.h"
#include "resources/timer_texts.h"
#include "common/ui/qt_text.h"

namespace fuda {

MemotimerWindow::MemotimerWindow(Language language, MemotimerPorts ports)
    : language_(language), ports_(std::move(ports)) {
  // A caption with a close box only: no resizing, minimising or maximising.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(toQString(pick(language_, texts::kTimerWindowTitle)));
  setWindowIcon(QIcon(QStringLiteral(":/program_icon.png")));

  face_ = new TimerFace(language_, kMemotimerDisplay, ClockArea::AboveStatusBar);
  face_->setFixedSize(kMemotimerClientSize);
  setCentralWidget(face_);

  QMenu* popup = buildTimerPopup(language_,
                                 {{kCmdMemoStart, texts::kItemMemoStart},
                                  {kCmdMemoLengthen, texts::kItemLengthen},
                                  {kCmdMemoShorten, texts::kItemShorten},
                                  {kCmdMemoExit, texts::kItemMemoExit}},
                                 this, [this](int id) { dispatchCommand(id); });
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

  face_->setDisplayText(initialDisplayText(MemoLength::Full));
  connect(face_, &TimerFace::ticked, this, &MemotimerWindow::tick);
  face_->startTicking();
  adjustSize();
  setFixedSize(size());
}

void MemotimerWindow::dispatchCommand(int id) {
  switch (id) {
    case kCmdMemoStart:
      startMemorisation();
      break;
    case kCmdMemoLengthen:
      lengthenCountdown(countdown_);
      break;
    case kCmdMemoShorten:
      shortenCountdown(countdown_);
      break;
    case kCmdMemoExit:
      close();
      break;
    default:
      break;
  }
}

void MemotimerWindow::startMemorisation() {
  face_->update();
  face_->setDisplayText(initialDisplayText(MemoLength::Full));
  // A countdown already running stops here: during the pause the ticks only
  // move the clock hands, and the display stays at 15:00.
  countdown_.countdownRunning = 0;
  ports_.announcer.announce(startAnnouncement(MemoLength::Full));
  ports_.pause(kStartAnnouncementPauseMs);
  if (quitting_) return;
  startCountdown(countdown_, ports_.clock.localTime(), MemoLength::Full);
}

void MemotimerWindow::tick() {
  const CountdownTick result = countdownTick(countdown_, ports_.clock.localTime());
  if (!result.newSecond) return;
  face_->setHandsTime(countdown_.lastTick);
  face_->update();
  if (!result.displayText.empty()) face_->setDisplayText(result.displayText);
  if (result.announceTwoMinutes) ports_.announcer.announce(kTwoMinuteAnnouncement);
  if (result.ended) endMemorisation();
}

void MemotimerWindow::endMemorisation() {
  face_->stopTicking();
  // The last display (normally " 0:00") is shown while the announcement
  // plays; the window takes no input until the program ends.
  face_->repaint();
  ports_.announcer.announceAndWait(kEndAnnouncement);
  close();
}

void MemotimerWindow::closeEvent(QCloseEvent* event) {
  if (!quitting_) {
    quitting_ = true;
    face_->stopTicking();
    emit quitRequested();
  }
  event->accept();
}

}  // namespace fuda
