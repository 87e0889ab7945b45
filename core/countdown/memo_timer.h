#pragma once
// The memorisation before a game: the start announcement, the pause while it
// is heard, and the "Timer" tool window's countdown. The front end's timer
// window draws and forwards to current(), and closes itself when told. The
// countdown record lives here, so a new window's clock hands first show the
// time the previous one saw last.
#include <optional>

#include "core/cards/card_selection.h"
#include "core/countdown/announcer.h"
#include "core/countdown/countdown_run.h"
#include "core/countdown/memo_countdown.h"
#include "core/countdown/memo_timer_host.h"
#include "core/countdown/timer_offsets.h"
#include "core/ports/clock.h"
#include "core/ports/reader_front_end.h"

namespace fuda {

class MemoTimer : public MemoTimerHost {
 public:
  MemoTimer(const CardSelection& selection, Clock& clock, Announcer& announcer,
            ReaderFrontEnd& frontEnd);

  // GUI thread, inside the start of a game: the announcement, the pause,
  // then the "Timer" window; returns once it has closed.
  MemoOutcome openMemoTimer() override;

  // The countdown of the open "Timer" window; null when none is open.
  CountdownRun* current() { return current_ ? &*current_ : nullptr; }
  // [Timer] Posx, Posy: where the window goes from the main window's corner.
  void setOffsets(TimerOffsets offsets) { offsets_ = offsets; }
  TimerOffsets offsets() const { return offsets_; }
  const MemoCountdown& countdown() const { return countdown_; }

 private:
  const CardSelection& selection_;
  Clock& clock_;
  Announcer& announcer_;
  ReaderFrontEnd& frontEnd_;
  TimerOffsets offsets_;
  MemoCountdown countdown_;
  std::optional<CountdownRun> current_;
};

}  // namespace fuda
