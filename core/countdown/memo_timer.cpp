#include "core/countdown/memo_timer.h"

#include "core/screen/tool_window_names.h"

namespace fuda {

MemoTimer::MemoTimer(const CardSelection& selection, Clock& clock, Announcer& announcer,
                     ReaderFrontEnd& frontEnd)
    : selection_(selection), clock_(clock), announcer_(announcer), frontEnd_(frontEnd) {}

MemoOutcome MemoTimer::openMemoTimer() {
  current_.emplace(countdown_, memoLengthFor(selection_.thirdChoice.load()), clock_, announcer_,
                   frontEnd_);
  current_->start();
  frontEnd_.openToolWindow(kTimerWindowName);
  const std::optional<MemoOutcome> outcome = current_->outcome();
  current_.reset();
  // Heard as the game opens.
  if (outcome == MemoOutcome::RanOut) announcer_.announce(kEndAnnouncement);
  // A window that never opened (the program is ending) ran nothing out.
  return outcome.value_or(MemoOutcome::ClosedEarly);
}

}  // namespace fuda
