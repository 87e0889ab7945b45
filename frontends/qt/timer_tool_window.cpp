#include "frontends/qt/timer_tool_window.h"

#include <QMenuBar>
#include <QVBoxLayout>

#include "core/screen/control_ids.h"
#include "core/screen/timer_window_layout.h"
#include "core/screen/tool_window_names.h"
#include "core/texts/timer_texts.h"
#include "frontends/qt/timer_face.h"
#include "frontends/qt/timer_menu.h"
#include "frontends/qt/window_placement.h"

namespace fuda {

TimerToolWindow::TimerToolWindow(ToolWindow& window, TimerOffsets offsets, CountdownRun& run)
    : QObject(&window), window_(window), run_(run) {
  const Language language = window.language();
  face_ = new TimerFace(language, kTimerDisplay, ClockArea::WholeClient);
  // The hands are drawn over the whole client area.
  auto* layout = new QVBoxLayout(window.client());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(face_);

  QMenu* popup = buildTimerPopup(language, kReaderTimerMenu, &window, [this](int id) {
    if (const auto command = timerCommandFor(kReaderTimerMenu, id))
      act(run_.dispatchCommand(*command));
  });
  attachTimerMenuBar(window.menuBar(), popup, language);
  face_->setPopup(popup);

  window.setCloseBoxHandler([this] { act(run_.closeBox()); });
  const QPoint offset(offsets.x, offsets.y);
  window.setPlacement([&window, offset] {
    if (const QWidget* owner = window.owner())
      placeWindowAt(&window, owner->frameGeometry().topLeft() + offset);
  });

  connect(face_, &TimerFace::ticked, this, [this] { act(run_.tick()); });
  run_.begin(*face_);
  face_->startTicking();
}

void TimerToolWindow::act(TimerWindowAction action) {
  if (action != TimerWindowAction::Close || window_.isClosed()) return;
  face_->stopTicking();
  closeToolWindow(window_, 0);
}

void registerTimerToolWindow(ToolWindowRegistry& registry, MemoTimer& timer) {
  registry.add(kTimerWindowName, [&timer](ToolWindow& window) {
    // The window belongs to a run that the timer has just begun.
    if (CountdownRun* run = timer.current()) new TimerToolWindow(window, timer.offsets(), *run);
  });
}

}  // namespace fuda
