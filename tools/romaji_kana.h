#pragma once
// Romanised Japanese, as the English poem table writes the verses, turned back
// into hiragana for a speech synthesiser that reads kana but not Latin letters.
//
// The romanisation is a reading as pronounced: Hepburn consonants (shi, chi,
// tsu, fu, ji, sha, cha, ja, kya...), "n'" for a syllabic n before a vowel or
// y, a doubled consonant for a small tsu, long vowels spelled as their kana
// ("Kyou", "Oo"). The kunrei spellings (si, ti, tu, hu, zi, sya...) are read
// too. Letter case does not matter to the kana; blanks separate words.
#include <string>
#include <string_view>
#include <vector>

namespace fuda {

// The table writes particles (no, ni, wa, wo, mo, to, zo, ya...) in lower case
// and every other word capitalised; a verse line never starts with a particle.
enum class WordKind { Word, Particle };

struct KanaWord {
  std::string kana;  // hiragana, UTF-8
  WordKind kind = WordKind::Word;
};

struct KanaText {
  std::vector<KanaWord> words;
  // Empty when the whole text was read; otherwise says what could not be, and
  // `words` is empty.
  std::string error;

  bool ok() const { return error.empty(); }
  // The words' kana joined by `separator`.
  std::string joined(std::string_view separator = " ") const;
};

KanaText romajiToKana(std::string_view romaji);

// Morae in a hiragana text: each kana counts one, except the small ゃゅょぁぃぅ
// ぇぉゎ that join the kana before them; っ, ん and ー count one each. Anything
// else (blanks, punctuation) counts nothing.
int countMorae(std::string_view kana);

}  // namespace fuda
