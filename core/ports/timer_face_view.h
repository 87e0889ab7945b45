#pragma once
// Port: what the countdown does to a timer window's face, the countdown
// display and the clock hands. Both front ends' timer windows implement it;
// every call comes on the GUI thread.
#include <string_view>

#include "core/ports/clock.h"

namespace fuda {

class TimerFaceView {
 public:
  virtual ~TimerFaceView() = default;
  virtual void showCountdownText(std::string_view text) = 0;
  // The hands show `time` from the next paint on; the face repaints.
  virtual void showHands(const LocalTime& time) = 0;
};

}  // namespace fuda
