#include "core/encoding/number_text.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace fuda {

namespace {

// "1.23456789012345e+15" -> "1.23456789012345e+015": the exponent always has
// three digits.
std::string widenExponent(std::string text) {
  const auto e = text.find('e');
  if (e == std::string::npos || e + 2 > text.size()) return text;
  std::string digits = text.substr(e + 2);
  while (digits.size() < 3) digits.insert(digits.begin(), '0');
  return text.substr(0, e + 2) + digits;
}

}  // namespace

std::string decimalText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0.0) return "0";
  char buffer[64];
  const double magnitude = std::fabs(value);
  // Round to 15 significant digits first, so that a value just below a limit
  // that rounds up to it takes the form of the rounded value.
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  const double rounded = std::fabs(std::strtod(buffer, nullptr));
  if (rounded >= 0.0001 && rounded < 1e15 && magnitude > 0.0) {
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
  }
  return widenExponent(buffer);
}

double numberFromText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

  if (i + 1 < text.size() && text[i] == '&') {
    const char radixLetter = static_cast<char>(text[i + 1] | 0x20);
    const int radix = radixLetter == 'h' ? 16 : radixLetter == 'o' ? 8 : 0;
    if (radix != 0) {
      double value = 0.0;
      for (std::size_t j = i + 2; j < text.size(); ++j) {
        const char c = text[j];
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
      }
      return value;
    }
  }

  double sign = 1.0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    sign = text[i] == '-' ? -1.0 : 1.0;
    ++i;
  }
  // Collect the digits as text and let strtod round them correctly.
  std::string number;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') number += text[i++];
  if (i < text.size() && text[i] == '.') {
    std::string fraction;
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') fraction += text[i++];
    if (!fraction.empty()) number += "." + fraction;
  }
  if (number.empty()) return 0.0;
  return sign * std::strtod(number.c_str(), nullptr);
}

std::int32_t integerFromText(std::string_view text) {
  const double value = std::trunc(numberFromText(text));
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace fuda
