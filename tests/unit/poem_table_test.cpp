#include "core/cards/poem_readings.h"
#include "core/cards/poem_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoding/text_encoding.h"
#include "voicegen/kana_words.h"

namespace fuda {
namespace {

constexpr std::array kLanguages = {Language::Japanese, Language::English};

// Field widths the list file and the main window are laid out for.
constexpr std::size_t kKimarijiMaxBytes = 12;
constexpr std::size_t kUpperVerseMaxBytes = 44;
constexpr std::size_t kJapaneseLowerVerseMaxBytes = 28;
constexpr std::size_t kEnglishLowerVerseMaxChars = 37;

// The first-syllable groups, smallest first; index = group number - 1.
const std::vector<std::vector<int>> kGroupMembers = {
    {87},
    {18},
    {57},
    {22},
    {70},
    {81},
    {77},
    {65, 74},
    {13, 23},
    {37, 40},
    {66, 100},
    {46, 71},
    {21, 61, 63},
    {17, 42, 75},
    {33, 35, 99},
    {15, 50, 91},
    {2, 9, 67, 96},
    {28, 32, 47, 59},
    {62, 83, 85, 93},
    {6, 48, 51, 98},
    {14, 27, 49, 90, 94},
    {4, 16, 34, 55, 73, 89},
    {10, 24, 29, 41, 68, 97},
    {5, 26, 44, 60, 72, 82, 95},
    {8, 11, 20, 38, 54, 76, 92},
    {19, 25, 36, 53, 80, 84, 86, 88},
    {1, 3, 7, 12, 30, 31, 39, 43, 45, 52, 56, 58, 64, 69, 78, 79}};

std::size_t cp932Size(std::string_view text) {
  const auto converted = utf8ToCp932(text);
  return converted ? converted->size() : 0;
}

std::string_view firstUtf8Character(std::string_view text) {
  return text.substr(0, firstMorae(text, 1).size());
}

// Lower-case Hepburn spelling of a decisive-syllable code ("TuKi" -> "tsuki").
std::string romanisedCode(std::string_view code) {
  std::string out;
  for (std::size_t i = 0; i + 1 < code.size(); i += 2) {
    const char consonant = static_cast<char>(std::tolower(code[i]));
    const char second = code[i + 1];
    if (second == '_') {
      out += consonant;  // a bare vowel
      continue;
    }
    const std::string mora{consonant, second};
    if (mora == "ti")
      out += "chi";
    else if (mora == "tu")
      out += "tsu";
    else if (mora == "si")
      out += "shi";
    else if (mora == "hu")
      out += "fu";
    else if (mora == "zi")
      out += "ji";
    else
      out += mora;
  }
  return out;
}

// A romanised verse as one run of lower-case letters. The code spells a long
// o as two o's ("O_O_Ko") where the verse writes the kana "ou" ("Ou Koto").
std::string runOfSounds(std::string_view verse) {
  std::string out;
  for (const char c : verse) {
    if (std::isalpha(static_cast<unsigned char>(c))) {
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  for (std::size_t at = out.find("ou"); at != std::string::npos; at = out.find("ou", at + 2)) {
    out[at + 1] = 'o';
  }
  return out;
}

std::vector<std::string> splitWords(std::string_view text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (true) {
    const std::size_t blank = text.find(' ', start);
    words.emplace_back(text.substr(start, blank - start));
    if (blank == std::string_view::npos) return words;
    start = blank + 1;
  }
}

bool isParticle(std::string_view word) {
  static const std::set<std::string_view> kParticles = {"no", "ni", "wa", "wo",
                                                        "mo", "to", "zo", "ya"};
  return kParticles.count(word) != 0;
}

bool isVowel(char c) { return std::string_view("aeiouAEIOU").find(c) != std::string_view::npos; }

TEST(PoemTable, EveryEntryOfBothLanguagesHasAllFourTexts) {
  for (const Language language : kLanguages) {
    const PoemTable& table = PoemTable::forLanguage(language);
    for (int n = 0; n <= kPoemCount; ++n) {
      SCOPED_TRACE(n);
      EXPECT_FALSE(table[n].upperVerse.empty());
      EXPECT_FALSE(table[n].lowerVerse.empty());
      EXPECT_FALSE(table[n].poet.empty());
      EXPECT_FALSE(table[n].kimariji.empty());
    }
  }
}

TEST(PoemTable, PrefacePoemIsIndexZeroOutsideEveryGroup) {
  const PoemTable& japanese = PoemTable::forLanguage(Language::Japanese);
  const PoemTable& english = PoemTable::forLanguage(Language::English);
  EXPECT_EQ(japanese[0].upperVerse, "難波津に咲くや木の花冬ごもり");
  EXPECT_EQ(japanese[0].lowerVerse, "今を春べと咲くや木の花");
  EXPECT_EQ(japanese[0].kimariji, "ふだよみ");
  EXPECT_EQ(english[0].kimariji, "Fudayomi");
  EXPECT_EQ(poemGroup(0), 0);
  // Poem 1 opens the hundred, not the preface.
  EXPECT_EQ(japanese[1].poet, "天智天皇");
  EXPECT_EQ(english[1].poet, "Tenchi Tennoo");
}

TEST(PoemTableGroups, MembershipAndSizesFollowTheFirstSyllables) {
  ASSERT_EQ(kGroupMembers.size(), 27u);
  std::array<int, kPoemCount + 1> seen{};
  std::size_t total = 0;
  for (std::size_t g = 0; g < kGroupMembers.size(); ++g) {
    const auto group = static_cast<std::int16_t>(g + 1);
    const std::vector<int>& members = kGroupMembers[g];
    total += members.size();
    if (g > 0) {
      EXPECT_GE(members.size(), kGroupMembers[g - 1].size()) << "group " << group;
    }
    for (const int n : members) {
      SCOPED_TRACE(n);
      ++seen[n];
      EXPECT_EQ(poemGroup(n), group);
    }
  }
  EXPECT_EQ(total, 100u);
  for (int n = 1; n <= kPoemCount; ++n) EXPECT_EQ(seen[n], 1) << "poem " << n;
}

TEST(PoemTableGroups, AGroupSharesItsFirstKanaAndNoOtherGroupHasIt) {
  const PoemTable& japanese = PoemTable::forLanguage(Language::Japanese);
  const PoemTable& english = PoemTable::forLanguage(Language::English);
  std::set<std::string_view> firstKana;
  for (const std::vector<int>& members : kGroupMembers) {
    const std::string_view kana = firstUtf8Character(japanese[members[0]].kimariji);
    const std::string_view mora = english[members[0]].kimariji.substr(0, 2);
    EXPECT_TRUE(firstKana.insert(kana).second) << kana;
    for (const int n : members) {
      EXPECT_EQ(firstUtf8Character(japanese[n].kimariji), kana) << "poem " << n;
      EXPECT_EQ(english[n].kimariji.substr(0, 2), mora) << "poem " << n;
    }
  }
}

TEST(PoemTableJapanese, TextsAreCp932WithoutBlanksAndFitTheirFields) {
  const PoemTable& table = PoemTable::forLanguage(Language::Japanese);
  for (int n = 0; n <= kPoemCount; ++n) {
    SCOPED_TRACE(n);
    const Poem& poem = table[n];
    for (const std::string_view text :
         {poem.upperVerse, poem.lowerVerse, poem.poet, poem.kimariji}) {
      EXPECT_TRUE(utf8ToCp932(text).has_value()) << text;
      EXPECT_EQ(text.find(' '), std::string_view::npos) << text;
      EXPECT_EQ(text.find("　"), std::string_view::npos) << text;
    }
    EXPECT_LE(cp932Size(poem.kimariji), kKimarijiMaxBytes);
    EXPECT_LE(cp932Size(poem.upperVerse), kUpperVerseMaxBytes);
    EXPECT_LE(cp932Size(poem.lowerVerse), kJapaneseLowerVerseMaxBytes);
  }
}

// Verses that open in kana must open with the first kana of their key, which
// catches a verse filed under the wrong number.
TEST(PoemTableJapanese, VerseWrittenInKanaOpensWithItsKey) {
  const PoemTable& table = PoemTable::forLanguage(Language::Japanese);
  int checked = 0;
  for (int n = 1; n <= kPoemCount; ++n) {
    const std::string_view first = firstUtf8Character(table[n].upperVerse);
    if (first < "ぁ" || first > "ゖ") continue;  // opens with a kanji
    ++checked;
    EXPECT_EQ(first, firstUtf8Character(table[n].kimariji)) << "poem " << n;
  }
  EXPECT_GE(checked, 20);  // a quarter of the verses open in kana
}

TEST(PoemTableEnglish, TextsArePrintableAsciiAndFitTheirFields) {
  const PoemTable& table = PoemTable::forLanguage(Language::English);
  for (int n = 0; n <= kPoemCount; ++n) {
    SCOPED_TRACE(n);
    const Poem& poem = table[n];
    for (const std::string_view text :
         {poem.upperVerse, poem.lowerVerse, poem.poet, poem.kimariji}) {
      for (const char c : text) {
        EXPECT_TRUE(c >= 0x20 && c < 0x7F) << text;
      }
    }
    EXPECT_LE(poem.kimariji.size(), kKimarijiMaxBytes);
    EXPECT_LE(poem.upperVerse.size(), kUpperVerseMaxBytes);
    EXPECT_LE(poem.lowerVerse.size(), kEnglishLowerVerseMaxChars);
  }
}

TEST(PoemTableEnglish, ParticlesAreLowerCaseAndOtherWordsCapitalised) {
  const PoemTable& table = PoemTable::forLanguage(Language::English);
  for (int n = 0; n <= kPoemCount; ++n) {
    SCOPED_TRACE(n);
    for (const std::string_view text : {table[n].upperVerse, table[n].lowerVerse, table[n].poet}) {
      for (const std::string& word : splitWords(text)) {
        ASSERT_FALSE(word.empty()) << "stray blank in \"" << text << '"';
        if (isParticle(word)) continue;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(word[0]))) << word;
        for (std::size_t i = 1; i < word.size(); ++i) {
          const char c = word[i];
          if (c == '\'') {
            // Only a syllabic n before a vowel or y takes the apostrophe.
            EXPECT_TRUE(word[i - 1] == 'n' && i + 1 < word.size() &&
                        (isVowel(word[i + 1]) || word[i + 1] == 'y'))
                << word;
          } else {
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(c))) << word;
          }
        }
      }
    }
  }
}

TEST(PoemTableEnglish, VersesSpellTheModernReadingInHepburn) {
  const PoemTable& table = PoemTable::forLanguage(Language::English);
  for (int n = 0; n <= kPoemCount; ++n) {
    SCOPED_TRACE(n);
    for (const std::string_view verse : {table[n].upperVerse, table[n].lowerVerse}) {
      for (const std::string& word : splitWords(verse)) {
        std::string lower;
        for (const char c : word)
          lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        // The old kana wi, we and a word-inner wo are read i, e and o; only
        // the particle keeps "wo".
        if (lower != "wo") {
          EXPECT_EQ(lower.find("wo"), std::string::npos) << word;
        }
        EXPECT_EQ(lower.find("wi"), std::string::npos) << word;
        EXPECT_EQ(lower.find("we"), std::string::npos) << word;
        for (const std::string_view kunrei : {"ti", "tu", "si", "zi", "di", "du"}) {
          EXPECT_EQ(lower.find(kunrei), std::string::npos) << word;
        }
        for (std::size_t at = lower.find("hu"); at != std::string::npos;
             at = lower.find("hu", at + 1)) {
          EXPECT_TRUE(at > 0 && (lower[at - 1] == 's' || lower[at - 1] == 'c')) << word;
        }
      }
    }
  }
}

// The romanised verses are the reading column spelled in Latin letters, word
// for word, so the screen shows what the voice says.
TEST(PoemReading, EnglishVersesSpellTheReadingColumn) {
  const PoemTable& english = PoemTable::forLanguage(Language::English);
  const auto lowerCase = [](std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
  };
  for (int n = 0; n <= kPoemCount; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(romanisedReading(poemReading(n).upperVerse), lowerCase(english[n].upperVerse));
    EXPECT_EQ(romanisedReading(poemReading(n).lowerVerse), lowerCase(english[n].lowerVerse));
  }
}

// The old kana that a reciter does not say as written.
TEST(PoemReading, HoldsNoHistoricalKana) {
  for (int n = 0; n <= kPoemCount; ++n) {
    SCOPED_TRACE(n);
    for (const std::string_view verse : {poemReading(n).upperVerse, poemReading(n).lowerVerse}) {
      for (const std::string_view old : {"ゐ", "ゑ", "ぢ", "づ", "てふ", "けふ", "いふ"}) {
        EXPECT_EQ(verse.find(old), std::string_view::npos) << verse;
      }
    }
  }
}

TEST(PoemTableKimariji, EveryCutEndsOnAMoraBoundary) {
  const PoemTable& japanese = PoemTable::forLanguage(Language::Japanese);
  const PoemTable& english = PoemTable::forLanguage(Language::English);
  for (int n = 1; n <= kPoemCount; ++n) {
    SCOPED_TRACE(n);
    const std::string_view kana = japanese[n].kimariji;
    const std::string_view code = english[n].kimariji;
    for (int m = 1; m <= moraCount(kana); ++m) {
      const std::string cut = firstMorae(kana, m);
      EXPECT_TRUE(utf8ToCp932(cut).has_value()) << cut;
      EXPECT_EQ(cp932Size(cut), 2u * m) << cut;
    }
    for (int m = 1; m <= moraCount(code); ++m) {
      const std::string cut = firstMorae(code, m);
      ASSERT_EQ(cut.size(), 2u * m);
      const char first = cut[cut.size() - 2];
      const char second = cut.back();
      EXPECT_TRUE(std::isupper(static_cast<unsigned char>(first))) << cut;
      EXPECT_TRUE(second == '_' ? isVowel(first)
                                : std::islower(static_cast<unsigned char>(second)) != 0)
          << cut;
    }
    if (n == 61) {
      EXPECT_EQ(code, "I_NiSi");
      EXPECT_EQ(moraCount(code), moraCount(kana) + 1);
    } else {
      EXPECT_EQ(moraCount(code), moraCount(kana));
    }
  }
}

TEST(PoemTableKimariji, OnlyTheThreeSixMoraPairsFillTheTwelveBytes) {
  const PoemTable& japanese = PoemTable::forLanguage(Language::Japanese);
  const PoemTable& english = PoemTable::forLanguage(Language::English);
  const std::set<int> sixMora = {11, 15, 31, 50, 64, 76};
  for (int n = 1; n <= kPoemCount; ++n) {
    SCOPED_TRACE(n);
    const bool full = sixMora.count(n) != 0;
    EXPECT_EQ(moraCount(japanese[n].kimariji) == 6, full);
    EXPECT_EQ(cp932Size(japanese[n].kimariji) == kKimarijiMaxBytes, full);
    EXPECT_EQ(english[n].kimariji.size() == kKimarijiMaxBytes, full);
  }
}

// Ties the verses to the decisive-syllable column: the code's sounds open the romanised upper
// verse, open no other poem, and one mora fewer (of the kana entry) would not
// tell the poem apart.
TEST(PoemTableKimariji, CodeIsTheShortestOpeningThatSinglesOutTheVerse) {
  const PoemTable& japanese = PoemTable::forLanguage(Language::Japanese);
  const PoemTable& english = PoemTable::forLanguage(Language::English);
  std::array<std::string, kPoemCount + 1> openings;
  for (int n = 1; n <= kPoemCount; ++n) openings[n] = runOfSounds(english[n].upperVerse);
  const auto opensWith = [&](int n, const std::string& sounds) {
    return openings[n].compare(0, sounds.size(), sounds) == 0;
  };
  for (int n = 1; n <= kPoemCount; ++n) {
    SCOPED_TRACE(n);
    const std::string sounds = romanisedCode(english[n].kimariji);
    EXPECT_TRUE(opensWith(n, sounds)) << sounds << " vs " << english[n].upperVerse;
    const int shorter = moraCount(japanese[n].kimariji) - 1;
    const std::string prefix = romanisedCode(firstMorae(english[n].kimariji, shorter));
    bool shorterIsShared = shorter == 0;
    for (int other = 1; other <= kPoemCount; ++other) {
      if (other == n) continue;
      EXPECT_FALSE(opensWith(other, sounds)) << sounds << " also opens poem " << other;
      if (opensWith(other, prefix)) shorterIsShared = true;
    }
    EXPECT_TRUE(shorterIsShared) << prefix;
  }
}

}  // namespace
}  // namespace fuda
