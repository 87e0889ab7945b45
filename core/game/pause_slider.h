#pragma once
// The track bar that sets the pause between a lower verse and the next upper
// verse. The pause does not change while a reading step plays; a move made
// then is kept here and takes effect as the step ends, so thumb, label and
// pause agree without the window being asked again.
#include <atomic>
#include <mutex>

#include "core/game/reading_state.h"
#include "core/game/timing_adjustment.h"
#include "core/ports/reader_view.h"
#include "core/texts/language.h"

namespace fuda {

class PauseSlider {
 public:
  PauseSlider(ReadingState& state, ReaderView& view, Language language)
      : state_(state), view_(view), language_(language) {}

  // GUI thread at start-up: the thumb at its start, the pause 1 s.
  void reset();
  // GUI thread: the thumb is at `position`.
  void moved(int position);
  // Reading thread, once `busy` has cleared: a move made while it was set
  // counts now.
  void readingDone();

 private:
  // Sets the pause and the label from the latest position; `always` false
  // skips this when that position is already in force.
  void apply(bool always);

  ReadingState& state_;
  ReaderView& view_;
  Language language_;
  std::atomic<int> latest_{kTimingTrackBarStart};
  std::mutex applyMutex_;
  int applied_ = kTimingTrackBarStart;  // under applyMutex_
};

}  // namespace fuda
