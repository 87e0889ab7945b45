// The built-in CP932 tables against the C library's converter, code by code:
// the program must read and write the same bytes as before it carried its
// own tables.
#include <iconv.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/encoding/text_encoding.h"

namespace fuda {
namespace {

std::optional<std::string> systemConvert(const char* to, const char* from,
                                         const std::string& input) {
  iconv_t cd = iconv_open(to, from);
  std::string output(16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  output.resize(output.size() - outLeft);
  return output;
}

TEST(Cp932Tables, EveryCodeConvertsAsTheSystemConverterDoes) {
  for (int first = 0; first < 0x100; ++first) {
    const std::string single(1, static_cast<char>(first));
    ASSERT_EQ(cp932ToUtf8(single), systemConvert("UTF-8", "CP932", single)) << first;
    for (int second = 0x40; first >= 0x81 && second < 0x100; ++second) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      ASSERT_EQ(cp932ToUtf8(pair), systemConvert("UTF-8", "CP932", pair))
          << first << " " << second;
    }
  }
  for (char32_t point = 1; point < 0x10000; ++point) {
    if (point >= 0xD800 && point < 0xE000) continue;
    const std::string wide{static_cast<char>(point & 0xFF), static_cast<char>(point >> 8), 0, 0};
    const std::string text = *systemConvert("UTF-8", "UTF-32LE", wide);
    ASSERT_EQ(utf8ToCp932(text), systemConvert("CP932", "UTF-8", text)) << static_cast<unsigned>(point);
  }
}

}  // namespace
}  // namespace fuda
