#pragma once
// The memorisation before a game: the start announcement, the pause while it
// is heard, and the "Timer" tool window's countdown. The front end's timer
// window only draws and forwards: it builds its face over current(), calls
// tick() every kCountdownTickMs, forwards its menu commands and its close
// box, and closes itself when told. The countdown record lives here, so a new
// window's clock hands first show the time the previous one saw last.
#include <optional>

#include "core/countdown/announcer.h"
#include "core/ports/clock.h"
#include "core/countdown/countdown_face.h"
#include "core/countdown/memo_countdown.h"
#include "core/ports/timer_face_view.h"
#include "core/countdown/timer_offsets.h"
#include "core/cards/card_selection.h"
#include "core/countdown/memo_timer_host.h"
#include "core/ports/reader_front_end.h"

namespace fuda {

// What the timer window is to do after a call.
enum class TimerWindowAction { StayOpen, Close };

// One countdown in one open "Timer" window. GUI thread, like everything here.
class MemoTimerRun {
 public:
  MemoTimerRun(MemoCountdown& countdown, MemoLength length, Clock& clock, Announcer& announcer);

  // The window has its face: shows "15:00" or "5:00" and the last time seen,
  // and starts the countdown.
  void begin(TimerFaceView& face);
  // Every kCountdownTickMs while the window is open.
  TimerWindowAction tick();
  // kCmdTimerLonger, kCmdTimerShorter, kCmdTimerStartNow; others ignored.
  TimerWindowAction dispatchCommand(int id);
  // The close box: the memorisation ends early.
  TimerWindowAction closeBox();

  // Empty while the window is open.
  std::optional<MemoOutcome> outcome() const { return outcome_; }
  const MemoCountdown& countdown() const { return countdown_; }

 private:
  TimerWindowAction finish(MemoOutcome outcome);

  MemoCountdown& countdown_;
  MemoLength length_;
  Clock& clock_;
  Announcer& announcer_;
  TimerFaceView* face_ = nullptr;
  std::optional<MemoOutcome> outcome_;
};

class MemoTimer : public MemoTimerHost {
 public:
  MemoTimer(const CardSelection& selection, Clock& clock, Announcer& announcer,
               ReaderFrontEnd& frontEnd);

  // GUI thread, inside the start of a game: the announcement, the pause,
  // then the "Timer" window; returns once it has closed.
  MemoOutcome openMemoTimer() override;

  // The countdown of the open "Timer" window; null when none is open.
  MemoTimerRun* current() { return current_ ? &*current_ : nullptr; }
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
  std::optional<MemoTimerRun> current_;
};

}  // namespace fuda
