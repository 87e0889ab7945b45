#include "reader/timer/memo_timer_window.h"

#include <QMenuBar>
#include <QVBoxLayout>

#include "common/ui/timer_face.h"
#include "common/ui/timer_menu.h"
#include "common/ui/window_placement.h"
#include "reader/engine/control_ids.h"
#include "reader/engine/reading_state.h"
#include "resources/timer_texts.h"

namespace fuda {

MemoTimerWindow::MemoTimerWindow(ToolWindow& window, QPoint offset, MemoLength length,
                                 MemoCountdown& countdown, std::atomic<std::int16_t>& memoState,
                                 MemoTimerWindowPorts ports)
    : QObject(&window),
      window_(window),
      countdown_(countdown),
      memoState_(memoState),
      ports_(ports) {
  const Language language = window.language();
  face_ = new TimerFace(language, kTimerDisplay, ClockArea::WholeClient);
  // The hands are drawn over the whole client area.
  auto* layout = new QVBoxLayout(window.client());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(face_);
  // The hands show the last time seen until the first new second.
  face_->setHandsTime(countdown_.lastTick);

  QMenu* popup = buildTimerPopup(language,
                                 {{kCmdTimerLonger, texts::kItemLengthen},
                                  {kCmdTimerShorter, texts::kItemShorten},
                                  {kCmdTimerStartNow, texts::kItemStartNow}},
                                 &window, [this](int id) { dispatchCommand(id); });
  attachTimerMenuBar(window.menuBar(), popup, language);
  face_->setPopup(popup);

  window.setCloseBoxHandler([this] { finish(TimerEnd::Early); });
  window.setPlacement([&window, offset] {
    if (const QWidget* owner = window.owner())
      placeWindowAt(&window, owner->frameGeometry().topLeft() + offset);
  });

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
      finish(TimerEnd::Early);
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
    memoState_ = kMemoRanOut;
    ports_.announcer.announce(kEndAnnouncement);
    finish(TimerEnd::RanOut);
  }
}

void MemoTimerWindow::finish(TimerEnd end) {
  if (end_ != TimerEnd::StillOpen) return;
  end_ = end;
  face_->stopTicking();
  closeToolWindow(window_, 0);
}

}  // namespace fuda
