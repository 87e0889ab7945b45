// The number-from-text conversion on any text, and the decimal text of what
// it reads: the integer form is the truncated number, clamped; and a number
// in the fixed-notation range reads back from its decimal text to 15
// significant digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_check.h"
#include "core/encoding/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double number = fuda::numberFromText(text);
  const std::int32_t integer = fuda::integerFromText(text);

  FUZZ_CHECK(!std::isnan(number));
  const double truncated = std::trunc(number);
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  FUZZ_CHECK(integer == (truncated >= kMax   ? std::numeric_limits<std::int32_t>::max()
                         : truncated <= kMin ? std::numeric_limits<std::int32_t>::min()
                                             : static_cast<std::int32_t>(truncated)));

  const std::string shown = fuda::decimalText(number);
  FUZZ_CHECK(!shown.empty() && shown.front() != ' ');
  const double magnitude = std::fabs(number);
  if (magnitude >= 0.001 && magnitude < 1e14) {
    FUZZ_CHECK(shown.find('e') == std::string::npos);
    const double back = fuda::numberFromText(shown);
    FUZZ_CHECK(std::fabs(back - number) <= magnitude * 1e-14);
  }
  return 0;
}
