#include "core/countdown/clock_hands.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fuda {

namespace {

ClockHand hand(ClockPoint centre, double degrees, int length, HandPen pen) {
  const double radians = degrees * std::numbers::pi / 180.0;
  // Every conversion to whole pixels truncates toward zero.
  const int dx = static_cast<int>(std::sin(radians) * length);
  const int dy = static_cast<int>(std::cos(radians) * length);
  return {centre, {centre.x + dx, centre.y - dy}, pen};
}

}  // namespace

std::array<ClockHand, 3> clockHands(int clientWidth, int clientHeight,
                                    const LocalTime& time, ClockArea area) {
  const int w = clientWidth;
  const int h = clientHeight;
  ClockPoint centre{w / 5, h / 2};
  int radius = std::min(w, h) / 2 - 10;
  if (area == ClockArea::AboveStatusBar) {
    const int usable = h - kStatusBarStrip;
    centre.y = usable / 2;
    // The choice of side compares with the full height, the status bar
    // included.
    radius = w > h ? usable / 2 - 10 : w / 2 - 10;
  }
  const int hourLength = static_cast<int>(radius * 0.7);

  const double hourAngle = (time.hour % 12) * 30.0 + time.minute * 0.5;
  const double minuteAngle = time.minute * 6.0 + time.second * 0.1;
  const double secondAngle = time.second * 6.0;
  return {hand(centre, hourAngle, hourLength, kHourPen),
          hand(centre, minuteAngle, radius, kMinutePen),
          hand(centre, secondAngle, radius, kSecondPen)};
}

}  // namespace fuda
