#pragma once
// The verses as the poem table's reading column spells them: hiragana words
// parted by blanks. Turned into the romanisation the English table shows, and
// into the run of sounds a synthesiser's phonemes can be checked against.
#include <string>
#include <string_view>
#include <vector>

namespace fuda {

// Particles (の に わ を も と ぞ や...) belong to the word before them when a
// verse is cut into the lines of the poem.
enum class WordKind { Word, Particle };

struct KanaWord {
  std::string kana;  // hiragana, UTF-8
  WordKind kind = WordKind::Word;
};

struct KanaText {
  std::vector<KanaWord> words;
  // The words' kana joined by `separator`.
  std::string joined(std::string_view separator = " ") const;
};

// Splits a reading at its blanks.
KanaText readingWords(std::string_view reading);

// Morae in a hiragana text: each kana counts one, except the small ゃゅょぁぃぅ
// ぇぉゎ that join the kana before them; っ, ん and ー count one each. Anything
// else (blanks, punctuation) counts nothing.
int countMorae(std::string_view kana);

// The reading in lower-case Hepburn as the English table spells it: blanks
// kept, long vowels spelled as their kana ("kyou", "oo"), "n'" before a vowel
// or y, a doubled consonant for っ, the particle を as "wo". Gives an empty
// string when the text holds something other than hiragana and blanks.
std::string romanisedReading(std::string_view kana);

// What is heard of a romanised reading, for comparing with a synthesiser's
// phonemes: no blanks or apostrophes, を said "o", a long o or e said as a
// doubled vowel ("ou" and "oo" alike), っ dropped.
std::string heardSounds(std::string_view romanised);

}  // namespace fuda
