#include "frontends/web/web_tool_windows.h"

#include "core/cards/selection_clicks.h"
#include "core/countdown/countdown_run.h"
#include "core/screen/timer_window_layout.h"
#include "core/screen/tool_window_names.h"
#include "frontends/web/page_call.h"
#include "frontends/web/page_selection.h"

namespace fuda {

void WebToolWindows::open(std::string_view name, const std::function<bool()>& quitting) {
  CountdownRun* run = name == kTimerWindowName ? timer_.current() : nullptr;
  // The timer's window belongs to a run that the timer has just begun.
  if (name == kTimerWindowName && run == nullptr) return;
  open_ = name;
  callPage("openToolWindow", "[" + jsonText(name) + "]");
  const auto finished = [&] { return open_.empty() || quitting(); };
  if (run == nullptr) {
    core_.runUntil(finished);
  } else {
    run->begin(face_);
    core_.runTicking(finished, kCountdownTickMs, [&] {
      if (run->tick() == TimerWindowAction::Close) closeFromCore();
    });
  }
  open_.clear();
}

std::string WebToolWindows::selectionState() const { return selectionStateJson(selection_); }

std::string WebToolWindows::selectionClick(int id, bool boxChecked) {
  SelectionDialogStep step = SelectionDialogStep::ShowSelection;
  if (open_ == kCardSelectionWindowName) {
    step = clickCardSelection(selection_, id, boxChecked);
  } else if (open_ == kThirdGameWindowName) {
    step = clickThirdGame(selection_, id);
  }
  // The page closes its dialog on this step; the core's loop ends here.
  if (step == SelectionDialogStep::Close) open_.clear();
  return selectionStateJson(selection_, stepName(step));
}

void WebToolWindows::timerCommand(int id) {
  CountdownRun* run = timer_.current();
  const auto command = timerCommandFor(kReaderTimerMenu, id);
  if (open_ != kTimerWindowName || run == nullptr || !command) return;
  if (run->dispatchCommand(*command) == TimerWindowAction::Close) closeFromCore();
}

void WebToolWindows::closedByPlayer() {
  CountdownRun* run = timer_.current();
  if (open_ == kTimerWindowName && run != nullptr) run->closeBox();
  open_.clear();
}

void WebToolWindows::closeFromCore() {
  callPage("closeToolWindow", "[" + jsonText(open_) + "]");
  open_.clear();
}

}  // namespace fuda
