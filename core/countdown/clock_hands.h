#pragma once
// The three hands of the analogue clock drawn beside the countdown, as plain
// geometry: where each line runs and with which pen, for a client area and a
// time of day. No dial, numbers or ticks: the background shows through.
#include <array>
#include <cstdint>

#include "core/ports/clock.h"

namespace fuda {

// The reader's timer window uses its whole client area; the memotimer
// program keeps its status bar's strip at the bottom clear.
enum class ClockArea { WholeClient, AboveStatusBar };

inline constexpr int kStatusBarStrip = 20;  // pixels taken off for the status bar

struct ClockPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ClockPoint&, const ClockPoint&) = default;
};

struct HandPen {
  int width = 1;
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const HandPen&, const HandPen&) = default;
};

inline constexpr HandPen kHourPen{5, 255, 100, 0};
inline constexpr HandPen kMinutePen{2, 255, 0, 0};
inline constexpr HandPen kSecondPen{1, 0, 0, 0};  // the plain black pen

struct ClockHand {
  ClockPoint from;  // the centre
  ClockPoint to;
  HandPen pen;
};

// In drawing order: hour, minute, second. `clientWidth` and `clientHeight`
// are the client area's right and bottom edges.
std::array<ClockHand, 3> clockHands(int clientWidth, int clientHeight,
                                    const LocalTime& time, ClockArea area);

}  // namespace fuda
