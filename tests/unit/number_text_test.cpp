#include "core/encoding/number_text.h"

#include <gtest/gtest.h>

namespace fuda {
namespace {

TEST(DecimalText, FixedNotationDropsTrailingZerosAndPoint) {
  EXPECT_EQ(decimalText(1.0), "1");
  EXPECT_EQ(decimalText(0.2), "0.2");
  EXPECT_EQ(decimalText(1.02), "1.02");
  EXPECT_EQ(decimalText(-3.0), "-3");
  EXPECT_EQ(decimalText(0.0), "0");
  EXPECT_EQ(decimalText(-0.0), "0");
  EXPECT_EQ(decimalText(1.1), "1.1");
  EXPECT_EQ(decimalText(0.0001), "0.0001");
  EXPECT_EQ(decimalText(123456789012345.0), "123456789012345");
}

TEST(DecimalText, FifteenSignificantDigits) {
  EXPECT_EQ(decimalText(0.1 + 0.2), "0.3");
  EXPECT_EQ(decimalText(2.0 / 3.0), "0.666666666666667");
  EXPECT_EQ(decimalText(86400.0 + 0.5), "86400.5");
}

TEST(DecimalText, ExponentFormOutsideTheFixedRange) {
  EXPECT_EQ(decimalText(1e15), "1.00000000000000e+015");
  EXPECT_EQ(decimalText(0.00001), "1.00000000000000e-005");
  EXPECT_EQ(decimalText(-2.5e20), "-2.50000000000000e+020");
}

TEST(NumberFromText, ReadsSignDigitsAndFraction) {
  EXPECT_DOUBLE_EQ(numberFromText("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(numberFromText("  -12.75xyz"), -12.75);
  EXPECT_DOUBLE_EQ(numberFromText("+7"), 7.0);
  EXPECT_DOUBLE_EQ(numberFromText(".5"), 0.5);
  EXPECT_DOUBLE_EQ(numberFromText("12 3"), 12.0);
  EXPECT_DOUBLE_EQ(numberFromText("1.2.3"), 1.2);
}

TEST(NumberFromText, TextWithoutDigitsGivesZero) {
  EXPECT_EQ(numberFromText(""), 0.0);
  EXPECT_EQ(numberFromText("abc"), 0.0);
  EXPECT_EQ(numberFromText("-"), 0.0);
  EXPECT_EQ(numberFromText("yes"), 0.0);
  EXPECT_EQ(numberFromText("  x12"), 0.0);
}

TEST(NumberFromText, HexAndOctalPrefixes) {
  EXPECT_EQ(numberFromText("&HFF"), 255.0);
  EXPECT_EQ(numberFromText("&hff"), 255.0);
  EXPECT_EQ(numberFromText("&O17"), 15.0);
  EXPECT_EQ(numberFromText("&O19"), 1.0);  // stops at the first non-octal digit
  EXPECT_EQ(numberFromText("&O18"), 1.0);
  EXPECT_EQ(numberFromText("&HZZ"), 0.0);
  EXPECT_EQ(numberFromText("&X1"), 0.0);
}

TEST(IntegerFromText, TruncatesTowardZeroAndClamps) {
  EXPECT_EQ(integerFromText("180.9"), 180);
  EXPECT_EQ(integerFromText("-3.9"), -3);
  EXPECT_EQ(integerFromText("99999999999999"), 2147483647);
  EXPECT_EQ(integerFromText("-99999999999999"), -2147483647 - 1);
}

}  // namespace
}  // namespace fuda
