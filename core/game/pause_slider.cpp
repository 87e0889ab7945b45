#include "core/game/pause_slider.h"

#include "core/game/timing_adjustment.h"

namespace fuda {

void PauseSlider::reset() {
  latest_ = kTimingTrackBarStart;
  view_.setTrackBarPosition(kTimingTrackBarStart);
  apply(true);
}

void PauseSlider::moved(int position) {
  // Stored before `busy` is looked at: a step that clears it after our look
  // finds this position in readingDone.
  latest_ = position;
  if (state_.busy.load() != Busy::Idle) return;
  apply(true);
}

void PauseSlider::readingDone() { apply(false); }

void PauseSlider::apply(bool always) {
  // Under the lock, whichever thread applies last applies the latest move.
  std::lock_guard lock(applyMutex_);
  const int position = latest_.load();
  if (!always && position == applied_) return;
  applied_ = position;
  state_.settings.timingPause = timingPauseFor(position);
  view_.setText(kTimingLabel, timingLabel(language_, state_.settings.timingPause));
}

}  // namespace fuda
