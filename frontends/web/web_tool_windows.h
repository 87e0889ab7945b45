#pragma once
// The reader's modal tool windows as page dialogs: the card selection, the
// one-third game and the memorisation timer. While one is open the core
// thread runs the page's tasks for it (and the timer's ticks), as a modal
// dialog's own loop does on the desktop; every click goes to the core's
// rules, and the page only draws.
#include <functional>
#include <string>
#include <string_view>

#include "core/cards/card_selection.h"
#include "core/countdown/memo_timer.h"
#include "frontends/web/core_thread.h"
#include "frontends/web/web_timer_face.h"

namespace fuda {

class WebToolWindows {
 public:
  WebToolWindows(CoreThread& core, CardSelection& selection, MemoTimer& timer)
      : core_(core), selection_(selection), timer_(timer) {}

  // Core thread, as everything here. Opens `name` in the page and returns
  // once it has closed, or once `quitting` says the program ends.
  void open(std::string_view name, const std::function<bool()>& quitting);

  // The selection dialogs' state as selectionStateJson gives it.
  std::string selectionState() const;
  // A click on control `id` of the open selection dialog (`boxChecked`: what
  // a clicked check box now shows): the new state with the step.
  std::string selectionClick(int id, bool boxChecked);
  // A command of the timer's menu (kCmdTimerLonger...); others do nothing.
  void timerCommand(int id);
  // The player closed the open window (its close button, Escape).
  void closedByPlayer();

 private:
  // The core closes the open window.
  void closeFromCore();

  CoreThread& core_;
  CardSelection& selection_;
  MemoTimer& timer_;
  WebTimerFace face_;
  // The open window's name; empty while none is.
  std::string open_;
};

}  // namespace fuda
