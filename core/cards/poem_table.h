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
  std::int16_t group = 0;  // first-syllable group 1..27; 0 for the preface
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

// A poem's verses as recited, in hiragana with blanks between the words; the
// same in both languages and never shown, only spoken.
struct PoemReading {
  std::string_view upperVerse;
  std::string_view lowerVerse;
};

// n in 0..100.
const PoemReading& poemReading(int n);

// The first-syllable group of poem n (the same in both languages).
std::int16_t poemGroup(int n);

}  // namespace fuda
