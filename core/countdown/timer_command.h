#pragma once
// The commands of a timer window's menu, named. Each program's menu table
// (core/screen/timer_window_layout.h) says which id carries which.

namespace fuda {

enum class TimerCommand {
  Start,     // the memotimer: start (or start again) with the announcement
  Lengthen,  // one minute more
  Shorten,   // one minute less
  EndNow,    // the reader: the game now; the memotimer: exit
};

}  // namespace fuda
