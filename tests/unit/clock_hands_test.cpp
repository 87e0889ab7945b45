#include "core/countdown/clock_hands.h"

#include <gtest/gtest.h>

namespace fuda {
namespace {

LocalTime at(int hour, int minute, int second) {
  LocalTime time;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return time;
}

TEST(ClockHands, CentreRadiusAndPensOfTheTimerWindow) {
  // 600 x 200: centre (120, 100), radius 90; the hour hand is 90 x 0.7,
  // which in double precision is just below 63 and truncates to 62.
  const auto hands = clockHands(600, 200, at(3, 0, 0), ClockArea::WholeClient);
  for (const auto& hand : hands) EXPECT_EQ(hand.from, (ClockPoint{120, 100}));
  EXPECT_EQ(hands[0].to, (ClockPoint{182, 100}));  // hour at three
  EXPECT_EQ(hands[1].to, (ClockPoint{120, 10}));   // minute at twelve
  EXPECT_EQ(hands[2].to, (ClockPoint{120, 10}));
  EXPECT_EQ(hands[0].pen, kHourPen);
  EXPECT_EQ(hands[1].pen, kMinutePen);
  EXPECT_EQ(hands[2].pen, kSecondPen);
  EXPECT_EQ(kHourPen, (HandPen{5, 255, 100, 0}));
  EXPECT_EQ(kMinutePen, (HandPen{2, 255, 0, 0}));
}

TEST(ClockHands, AnglesAndTruncationTowardZero) {
  // 15:10:40. Hour: 3 x 30 + 10 x 0.5 = 95 degrees; minute: 60 + 4 = 64;
  // second: 240.
  const auto hands = clockHands(600, 200, at(15, 10, 40), ClockArea::WholeClient);
  // sin 95 x 62 = 61.76 -> 61; cos 95 x 62 = -5.40 -> -5.
  EXPECT_EQ(hands[0].to, (ClockPoint{181, 105}));
  // sin 64 x 90 = 80.89 -> 80; cos 64 x 90 = 39.45 -> 39.
  EXPECT_EQ(hands[1].to, (ClockPoint{200, 61}));
  // sin 240 x 90 = -77.94 -> -77, not -78; cos 240 x 90 = -45.
  EXPECT_EQ(hands[2].to, (ClockPoint{43, 145}));
}

TEST(ClockHands, HalfAndQuarterPositions) {
  const auto six = clockHands(600, 200, at(6, 0, 0), ClockArea::WholeClient);
  EXPECT_EQ(six[0].to, (ClockPoint{120, 162}));
  const auto nine = clockHands(600, 200, at(21, 45, 0), ClockArea::WholeClient);
  // Hour: 9 x 30 + 22.5 = 292.5 degrees.
  EXPECT_EQ(nine[0].to, (ClockPoint{63, 77}));
  EXPECT_EQ(nine[1].to, (ClockPoint{30, 100}));
}

TEST(ClockHands, StatusBarStripIsKeptClear) {
  // 600 x 230 with the status bar: centre (120, 105), radius 95.
  const auto wide = clockHands(600, 230, at(0, 0, 0), ClockArea::AboveStatusBar);
  EXPECT_EQ(wide[1].from, (ClockPoint{120, 105}));
  EXPECT_EQ(wide[1].to, (ClockPoint{120, 10}));
  // A window taller than wide takes the radius from its width: 150 / 2 - 10.
  const auto tall = clockHands(150, 230, at(0, 0, 15), ClockArea::AboveStatusBar);
  EXPECT_EQ(tall[2].from, (ClockPoint{30, 105}));
  EXPECT_EQ(tall[2].to, (ClockPoint{95, 105}));
  // The same tall client without a status bar uses min(w, h).
  const auto whole = clockHands(150, 230, at(0, 0, 15), ClockArea::WholeClient);
  EXPECT_EQ(whole[2].from, (ClockPoint{30, 115}));
  EXPECT_EQ(whole[2].to, (ClockPoint{95, 115}));
}

}  // namespace
}  // namespace fuda
