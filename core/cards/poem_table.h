#pragma once
// The built-in table of the hundred poems and the preface poem (index 0), in
// the standard numbering. Constant data; one table per language.
#include <cstdint>
#include <string_view>

#include "core/texts/language.h"
#include "core/cards/poem_count.h"

namespace fuda {

struct Poem {
  std::string_view upperVerse;  // UTF-8
  std::string_view lowerVerse;
  std::string_view poet;
  // Japanese: one hiragana per mora. English: two characters per mora
  // ("Ki", "A_"). Cut it with firstMorae().
  std::string_view kimariji;
};

class PoemTable {
 public:
  static const PoemTable& forLanguage(Language language);
  // n in 0..100.
  const Poem& operator[](int n) const;

 private:
  explicit PoemTable(const Poem* poems) : poems_(poems) {}
  const Poem* poems_;
};

// The first-syllable group of poem n, 1..27, from the first kana of its
// reading (the same in both languages); 0 for the preface and out of range.
std::int16_t poemGroup(int n);

}  // namespace fuda
