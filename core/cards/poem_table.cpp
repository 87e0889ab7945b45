#include "core/cards/poem_table.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/cards/poem_readings.h"
#include "core/cards/poem_table_en.h"
#include "core/cards/poem_table_ja.h"
#include "core/cards/recited_morae.h"

namespace fuda {

namespace {

// The first kana of each group in group order: the groups are numbered by how
// many cards share the kana, smallest first, and within one size in the order
// players learn them.
constexpr std::array<std::string_view, 27> kGroupKana = {
    "む", "す", "め", "ふ", "さ", "ほ", "せ", "う", "つ", "し", "も", "ゆ", "い", "ち",
    "ひ", "き", "は", "や", "よ", "か", "み", "た", "こ", "お", "わ", "な", "あ"};

std::int16_t groupOfFirstKana(int n) {
  const std::vector<std::string> morae = recitedMorae(poemReading(n).upperVerse);
  if (morae.empty()) return 0;
  const auto found = std::find(kGroupKana.begin(), kGroupKana.end(), morae.front());
  return found == kGroupKana.end() ? 0 : static_cast<std::int16_t>(found - kGroupKana.begin() + 1);
}

}  // namespace

const PoemTable& PoemTable::forLanguage(Language language) {
  static const PoemTable japanese(kPoemsJapanese);
  static const PoemTable english(kPoemsEnglish);
  return language == Language::Japanese ? japanese : english;
}

const Poem& PoemTable::operator[](int n) const {
  return poems_[n >= 0 && n <= kPoemCount ? n : 0];
}

std::int16_t poemGroup(int n) {
  static const std::array<std::int16_t, kPoemSlots> groups = [] {
    std::array<std::int16_t, kPoemSlots> byPoem{};
    for (int poem = 1; poem <= kPoemCount; ++poem) byPoem[poem] = groupOfFirstKana(poem);
    return byPoem;
  }();
  return n >= 1 && n <= kPoemCount ? groups[n] : 0;
}

}  // namespace fuda
