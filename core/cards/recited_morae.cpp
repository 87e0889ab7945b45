#include "core/cards/recited_morae.h"

#include <array>

namespace fuda {

namespace {

// The bytes of the UTF-8 character that `lead` opens.
std::size_t characterBytes(unsigned char lead) {
  return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

bool isSmallKana(std::string_view kana) {
  constexpr std::array<std::string_view, 8> kSmall = {"ゃ", "ゅ", "ょ", "ぁ",
                                                      "ぃ", "ぅ", "ぇ", "ぉ"};
  for (const std::string_view small : kSmall) {
    if (kana == small) return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> recitedMorae(std::string_view reading) {
  std::vector<std::string> morae;
  bool wordStart = true;
  for (std::size_t at = 0; at < reading.size();) {
    if (reading[at] == ' ') {
      wordStart = true;
      ++at;
      continue;
    }
    const std::string_view kana =
        reading.substr(at, characterBytes(static_cast<unsigned char>(reading[at])));
    at += kana.size();
    if (!wordStart && isSmallKana(kana)) {
      morae.back() += kana;
    } else if (!wordStart && kana == "う" && morae.back() == "お") {
      morae.emplace_back("お");
    } else {
      morae.emplace_back(kana);
    }
    wordStart = false;
  }
  return morae;
}

}  // namespace fuda
