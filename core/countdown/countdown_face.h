#pragma once
// One tick of a countdown as both timer windows show it: the clock hands
// move, the display changes, "nifun" is heard at two minutes. What happens at
// the end differs between the programs and is left to the caller.
#include "core/countdown/announcer.h"
#include "core/ports/clock.h"
#include "core/countdown/memo_countdown.h"
#include "core/ports/timer_face_view.h"

namespace fuda {

// How often a timer window ticks; the countdown acts once per new second.
inline constexpr int kCountdownTickMs = 10;
// The wait after a start announcement while it is heard, before counting.
inline constexpr double kStartAnnouncementPauseMs = 4000.0;

enum class CountdownState { Counting, Ended };

// GUI thread, every kCountdownTickMs.
CountdownState showCountdownTick(MemoCountdown& countdown, const LocalTime& now,
                                 TimerFaceView& face, Announcer& announcer);

}  // namespace fuda
