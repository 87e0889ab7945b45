#pragma once
// The two conversions between numbers and text that every shown, read or
// written number goes through.
#include <cstdint>
#include <string>
#include <string_view>

namespace fuda {

// "1", "0.2", "1.02", "-3": no leading blank, up to 15 significant digits,
// trailing zeros dropped; magnitudes outside 0.0001 .. 1e15 in the form
// "1.23456789012345e+020".
std::string decimalText(double value);

// Leading blanks skipped; "&H"/"&O" prefixes read hexadecimal/octal digits;
// otherwise an optional sign, digits and a fraction. Reading stops at the
// first other character; text without digits gives 0.
double numberFromText(std::string_view text);

// numberFromText truncated toward zero, clamped to the 32-bit range.
std::int32_t integerFromText(std::string_view text);

}  // namespace fuda
