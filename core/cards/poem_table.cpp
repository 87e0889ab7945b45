#include "core/cards/poem_table.h"

#include <array>

namespace fuda {

extern const Poem kPoemsJapanese[101];
extern const Poem kPoemsEnglish[101];

namespace {

// First-syllable group of each poem, index = poem number.
constexpr std::array<std::int16_t, 101> kGroups = {
    0, 27, 17, 27, 22, 24, 20, 27, 25, 17,
    23, 25, 27, 9, 21, 16, 22, 14, 2, 26,
    25, 13, 4, 9, 23, 26, 24, 21, 18, 23,
    27, 27, 18, 15, 22, 15, 26, 10, 25, 27,
    10, 23, 14, 27, 24, 27, 12, 18, 20, 21,
    16, 20, 27, 26, 25, 22, 27, 3, 27, 18,
    24, 13, 19, 13, 27, 8, 11, 17, 23, 27,
    5, 12, 24, 22, 8, 14, 25, 7, 27, 27,
    26, 6, 24, 19, 26, 19, 26, 1, 26, 22,
    21, 16, 25, 19, 21, 24, 17, 23, 20, 15,
    11};

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
  return n >= 0 && n <= kPoemCount ? kGroups[n] : 0;
}

}  // namespace fuda
