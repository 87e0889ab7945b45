#pragma once
// The reading column: how the poems are recited today.
#include <string_view>

namespace fuda {

// A poem's verses as recited, in hiragana with blanks between the words; the
// same in both languages and never shown, only spoken.
struct PoemReading {
  std::string_view upperVerse;
  std::string_view lowerVerse;
};

// n in 0..100.
const PoemReading& poemReading(int n);

}  // namespace fuda
