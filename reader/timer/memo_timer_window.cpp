#include "reader/timer/memo_timer_window.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "common/ui/timer_face.h"
#include "common/ui/timer_menu.h"
#include "common/ui/window_placement.h"
#include "reader/engine/control_ids.h"
#include "reader/engine/reading_state.h"
#include "resources/timer_texts.h"

namespace fuda {

MemoTimerWindow::MemoTimerWindow(QWidget* owner, QPoint offset, Language language,
                                 MemoLength length, MemoCountdown& countdown,
                                 std::atomic<std::int16_t>& memoState,
                                 MemoTimerWindowPorts ports)
    : countdown_(countdown), memoState_(memoState), ports_(ports) {
  setObjectName(QString::fromLatin1(kTimerWindowName));
  // A caption and a close box. The window is not the owner's child: the
  // owner is disabled while it is open, and would disable it too.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  const std::string_view title = pick(language, texts::kTimerWindowTitle);
  setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
  setWindowIcon(QIcon(QStringLiteral(":/program_icon.png")));

  face_ = new TimerFace(language, kTimerDisplay, ClockArea::WholeClient);
  face_->setFixedSize(kTimerWindowClientSize);
  setCentralWidget(face_);
  // The hands show the last time seen until the first new second.
  face_->setHandsTime(countdown_.lastTick);

  QMenu* popup = buildTimerPopup(language,
                                 {{kCmdTimerLonger, texts::kItemLengthen},
                                  {kCmdTimerShorter, texts::kItemShorten},
                                  {kCmdTimerStartNow, texts::kItemStartNow}},
                                 this, [this](int id) { dispatchCommand(id); });
  attachTimerMenuBar(menuBar(), popup, language);
  face_->setPopup(popup);
  adjustSize();
  setFixedSize(size());

  if (owner) placeWindowAt(this, owner->frameGeometry().topLeft() + offset);
  face_->setDisplayText(initialDisplayText(length));
  connect(face_, &TimerFace::ticked, this, &MemoTimerWindow::tick);
  face_->startTicking();
  startCountdown(countdown_, ports_.clock.localTime(), length);
}

void MemoTimerWindow::dispatchCommand(int id) {
  if (end_ != TimerEnd::StillOpen) return;
  switch (id) {
    case kCmdTimerLonger:
      lengthenCountdown(countdown_);
      break;
    case kCmdTimerShorter:
      shortenCountdown(countdown_);
      break;
    case kCmdTimerStartNow:
      close();
      break;
    default:
      break;
  }
}

void MemoTimerWindow::tick() {
  if (end_ != TimerEnd::StillOpen) return;
  const CountdownTick result = countdownTick(countdown_, ports_.clock.localTime());
  if (!result.newSecond) return;
  face_->setHandsTime(countdown_.lastTick);
  face_->update();
  if (!result.displayText.empty()) face_->setDisplayText(result.displayText);
  if (result.announceTwoMinutes) ports_.announcer.announce(kTwoMinuteAnnouncement);
  if (result.ended) {
    end_ = TimerEnd::RanOut;
    memoState_ = kMemoRanOut;
    ports_.announcer.announce(kEndAnnouncement);
    close();
  }
}

void MemoTimerWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closedOnce_) return;
  closedOnce_ = true;
  face_->stopTicking();
  if (end_ == TimerEnd::StillOpen) end_ = TimerEnd::Early;
  emit closed();
}

}  // namespace fuda
