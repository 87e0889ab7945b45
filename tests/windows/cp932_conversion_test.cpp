// The built-in CP932 tables against Windows' own converter, code by code: the
// Japanese build reads and writes the same bytes as a program that converts
// through the code page 932 functions. Both builds share one table, so the
// few codes where Windows and the C library's converter part ways (listed
// below) go as they do on Linux.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/encoding/text_encoding.h"

namespace fuda {
namespace {

std::optional<std::string> utf8Of(const std::wstring& wide) {
  std::string out(wide.size() * 4, '\0');
  const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(),
                                         static_cast<int>(wide.size()), out.data(),
                                         static_cast<int>(out.size()), nullptr, nullptr);
  if (length <= 0) return std::nullopt;
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::optional<std::string> windowsToUtf8(const std::string& bytes) {
  wchar_t wide[4] = {};
  const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(),
                                         static_cast<int>(bytes.size()), wide, 4);
  if (length <= 0) return std::nullopt;
  return utf8Of(std::wstring(wide, static_cast<std::size_t>(length)));
}

std::optional<std::string> windowsToCp932(wchar_t point) {
  char out[4] = {};
  BOOL defaulted = FALSE;
  const int length =
      WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &point, 1, out, 4, nullptr, &defaulted);
  if (length <= 0 || defaulted) return std::nullopt;
  return std::string(out, static_cast<std::size_t>(length));
}

// Windows reads the lone byte 0x80 as the control character U+0080; the
// table refuses it, as a settings file or list never holds it.
constexpr int kByteOnlyWindowsReads = 0x80;
// The JIS forms of these signs and dashes the table writes as the CP932 code
// of their look-alike; Windows refuses them without a best fit. Windows
// alone writes U+0080 and four private-use points (0xA0, 0xFD to 0xFF).
bool writtenDifferently(wchar_t point) {
  for (const wchar_t jis : {0x00A2, 0x00A3, 0x00A5, 0x00AC, 0x2014, 0x2016, 0x203E, 0x2212, 0x301C})
    if (point == jis) return true;
  return point == 0x0080 || (point >= 0xF8F0 && point <= 0xF8F3);
}

TEST(Cp932Conversion, EveryCodeConvertsAsWindowsDoes) {
  for (int first = 0; first < 0x100; ++first) {
    const std::string single(1, static_cast<char>(first));
    if (first != kByteOnlyWindowsReads) {
      EXPECT_EQ(cp932ToUtf8(single), windowsToUtf8(single)) << first;
    }
    const bool lead = (first >= 0x81 && first <= 0x9F) || (first >= 0xE0 && first <= 0xFC);
    for (int second = 0x40; lead && second < 0x100; ++second) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      EXPECT_EQ(cp932ToUtf8(pair), windowsToUtf8(pair)) << first << " " << second;
    }
  }
  for (wchar_t point = 1; point < 0xFFFF; ++point) {
    if ((point >= 0xD800 && point < 0xE000) || writtenDifferently(point)) continue;
    const auto text = utf8Of(std::wstring(1, point));
    EXPECT_EQ(utf8ToCp932(*text), windowsToCp932(point)) << static_cast<unsigned>(point);
  }
}

}  // namespace
}  // namespace fuda
