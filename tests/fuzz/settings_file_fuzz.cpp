// The settings file reader on any bytes: every key the programs read, and a
// section and key taken from the input itself. A value is never longer than
// 255 bytes, never starts with a blank and, unless it was cut, never ends
// with one.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "tests/fuzz/fuzz_check.h"
#include "core/settings/settings_file.h"

namespace {

constexpr std::pair<std::string_view, std::string_view> kKeys[] = {
    {"Reader", "Num"}, {"Path", "Data1"}, {"Path", "Data2"}, {"Path", "Data3"},
    {"Path", "Data4"}, {"Auto", "Auto"},  {"Auto", "Itvl"},  {"Timer", "Use"},
    {"Timer", "Posx"}, {"Timer", "Posy"},
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

void checkValue(std::string_view fileBytes, std::string_view section, std::string_view key) {
  const auto value = fuda::settingsValue(fileBytes, section, key);
  if (!value) return;
  FUZZ_CHECK(value->size() <= 255);
  if (value->empty()) return;
  // A quoted value may keep blanks inside its quotes; an unquoted one is trimmed.
  FUZZ_CHECK(!isBlank(value->front()) || fileBytes.find('"') != std::string_view::npos);
  const bool cut = value->size() >= 252;
  FUZZ_CHECK(cut || !isBlank(value->back()) || fileBytes.find('"') != std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const auto& [section, key] : kKeys) checkValue(bytes, section, key);
  // "section\0key\0" at the start names one more lookup.
  const auto first = bytes.find('\0');
  if (first != std::string_view::npos) {
    const auto second = bytes.find('\0', first + 1);
    if (second != std::string_view::npos) {
      checkValue(bytes.substr(second + 1), bytes.substr(0, first),
                 bytes.substr(first + 1, second - first - 1));
    }
  }
  return 0;
}
