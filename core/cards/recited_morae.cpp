#include "core/cards/recited_morae.h"

#include <array>

namespace fuda {

namespace {

constexpr std::size_t kKanaBytes = 3;  // every hiragana is three bytes in UTF-8

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
    const std::string_view kana = reading.substr(at, kKanaBytes);
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
