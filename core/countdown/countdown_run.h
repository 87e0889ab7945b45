#pragma once
// One countdown in one timer window, the reader's "Timer" before a game or
// the memotimer's: the start announcement heard while the window takes no
// input, a tick every kCountdownTickMs that acts once per new second, the
// minute commands, and how the run ended. The window only draws and
// forwards, and closes when told. What follows the end (the reader's game,
// the memotimer's last announcement) is the caller's.
#include <optional>

#include "core/countdown/announcer.h"
#include "core/countdown/memo_countdown.h"
#include "core/countdown/memo_timer_host.h"
#include "core/countdown/timer_command.h"
#include "core/ports/announcement_pause.h"
#include "core/ports/clock.h"
#include "core/ports/timer_face_view.h"

namespace fuda {

// How often a timer window ticks; the countdown acts once per new second.
inline constexpr int kCountdownTickMs = 10;
// The wait after a start announcement while it is heard, before counting.
inline constexpr double kStartAnnouncementPauseMs = 4000.0;

// What the timer window is to do after a call.
enum class TimerWindowAction { StayOpen, Close };

// GUI thread, like everything here.
class CountdownRun {
 public:
  // `countdown` outlives the run: its last tick survives into the next one.
  CountdownRun(MemoCountdown& countdown, MemoLength length, Clock& clock, Announcer& announcer,
               AnnouncementPause& pause);

  // The window has its face: the hands show the last time seen until the
  // first new second, the display the whole length ("15:00" or "5:00").
  void begin(TimerFaceView& face);
  // The start announcement, then the count from the whole length. A
  // countdown already running stops first: during the pause the ticks move
  // only the hands. A run that ends during the pause starts nothing.
  void start();
  // Every kCountdownTickMs while the window is open; Close once the
  // countdown has run out.
  TimerWindowAction tick();
  // After the end, every command closes the window and changes nothing.
  TimerWindowAction dispatchCommand(TimerCommand command);
  // The close box: the run ends early.
  TimerWindowAction closeBox();

  // Empty until the run has ended.
  std::optional<MemoOutcome> outcome() const { return outcome_; }
  const MemoCountdown& countdown() const { return countdown_; }

 private:
  TimerWindowAction finish(MemoOutcome outcome);

  MemoCountdown& countdown_;
  MemoLength length_;
  Clock& clock_;
  Announcer& announcer_;
  AnnouncementPause& pause_;
  TimerFaceView* face_ = nullptr;
  std::optional<MemoOutcome> outcome_;
};

}  // namespace fuda
