#pragma once
// Port: the wait while a start announcement is heard, in which the windows
// take no input. Both programs' front ends implement it; every call comes on
// the GUI thread.

namespace fuda {

class AnnouncementPause {
 public:
  virtual ~AnnouncementPause() = default;
  // Waits `ms` while the windows ignore the keyboard and the mouse; paints
  // and timers go on.
  virtual void pauseWithoutInput(double ms) = 0;
};

}  // namespace fuda
