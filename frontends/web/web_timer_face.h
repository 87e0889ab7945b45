#pragma once
// The face of a timer window in the page, for the reader's "Timer" window
// and the memotimer page alike: what the countdown shows goes to the page's
// view, and the hands' geometry is the core's, asked for the page's canvas.
#include <string>

#include "core/ports/timer_face_view.h"

namespace fuda {

class WebTimerFace : public TimerFaceView {
 public:
  // Core thread.
  void showCountdownText(std::string_view text) override;
  void showHands(const LocalTime& time) override;
};

// Any thread: the three hands for a canvas of `width` by `height` as JSON,
// [{"from": {"x", "y"}, "to": {"x", "y"}, "pen": {"width", "red", "green",
// "blue"}}] in drawing order. The canvas is the whole face: the page shows
// its status line outside it.
std::string clockHandsJson(int width, int height, const LocalTime& time);

}  // namespace fuda
