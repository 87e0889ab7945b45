#include "tools/romaji_kana.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace fuda {

namespace {

struct Syllable {
  std::string_view romaji;
  std::string_view kana;
};

// Every syllable the romanisation may spell, Hepburn and kunrei alike. The
// reading takes the longest spelling that matches, so "sha" wins over "s".
constexpr std::array kSyllables = std::to_array<Syllable>({
    {"a", "あ"}, {"i", "い"}, {"u", "う"}, {"e", "え"}, {"o", "お"},
    {"ka", "か"}, {"ki", "き"}, {"ku", "く"}, {"ke", "け"}, {"ko", "こ"},
    {"kya", "きゃ"}, {"kyu", "きゅ"}, {"kyo", "きょ"},
    {"ga", "が"}, {"gi", "ぎ"}, {"gu", "ぐ"}, {"ge", "げ"}, {"go", "ご"},
    {"gya", "ぎゃ"}, {"gyu", "ぎゅ"}, {"gyo", "ぎょ"},
    {"sa", "さ"}, {"shi", "し"}, {"si", "し"}, {"su", "す"}, {"se", "せ"},
    {"so", "そ"},
    {"sha", "しゃ"}, {"shu", "しゅ"}, {"she", "しぇ"}, {"sho", "しょ"},
    {"sya", "しゃ"}, {"syu", "しゅ"}, {"syo", "しょ"},
    {"za", "ざ"}, {"ji", "じ"}, {"zi", "じ"}, {"zu", "ず"}, {"ze", "ぜ"},
    {"zo", "ぞ"},
    {"ja", "じゃ"}, {"ju", "じゅ"}, {"je", "じぇ"}, {"jo", "じょ"},
    {"jya", "じゃ"}, {"jyu", "じゅ"}, {"jyo", "じょ"},
    {"zya", "じゃ"}, {"zyu", "じゅ"}, {"zyo", "じょ"},
    {"ta", "た"}, {"chi", "ち"}, {"ti", "ち"}, {"tsu", "つ"}, {"tu", "つ"},
    {"te", "て"}, {"to", "と"},
    {"cha", "ちゃ"}, {"chu", "ちゅ"}, {"che", "ちぇ"}, {"cho", "ちょ"},
    {"tya", "ちゃ"}, {"tyu", "ちゅ"}, {"tyo", "ちょ"},
    {"da", "だ"}, {"di", "ぢ"}, {"du", "づ"}, {"dzu", "づ"}, {"de", "で"},
    {"do", "ど"},
    {"na", "な"}, {"ni", "に"}, {"nu", "ぬ"}, {"ne", "ね"}, {"no", "の"},
    {"nya", "にゃ"}, {"nyu", "にゅ"}, {"nyo", "にょ"},
    {"ha", "は"}, {"hi", "ひ"}, {"fu", "ふ"}, {"hu", "ふ"}, {"he", "へ"},
    {"ho", "ほ"},
    {"hya", "ひゃ"}, {"hyu", "ひゅ"}, {"hyo", "ひょ"},
    {"fa", "ふぁ"}, {"fi", "ふぃ"}, {"fe", "ふぇ"}, {"fo", "ふぉ"},
    {"ba", "ば"}, {"bi", "び"}, {"bu", "ぶ"}, {"be", "べ"}, {"bo", "ぼ"},
    {"bya", "びゃ"}, {"byu", "びゅ"}, {"byo", "びょ"},
    {"pa", "ぱ"}, {"pi", "ぴ"}, {"pu", "ぷ"}, {"pe", "ぺ"}, {"po", "ぽ"},
    {"pya", "ぴゃ"}, {"pyu", "ぴゅ"}, {"pyo", "ぴょ"},
    {"ma", "ま"}, {"mi", "み"}, {"mu", "む"}, {"me", "め"}, {"mo", "も"},
    {"mya", "みゃ"}, {"myu", "みゅ"}, {"myo", "みょ"},
    {"ya", "や"}, {"yu", "ゆ"}, {"ye", "いぇ"}, {"yo", "よ"},
    {"ra", "ら"}, {"ri", "り"}, {"ru", "る"}, {"re", "れ"}, {"ro", "ろ"},
    {"rya", "りゃ"}, {"ryu", "りゅ"}, {"ryo", "りょ"},
    // wi and we are how old texts spell ゐ and ゑ; said as in recitation today.
    {"wa", "わ"}, {"wi", "い"}, {"we", "え"}, {"wo", "を"},
});

constexpr std::size_t kLongestSpelling = 3;

bool isVowel(char c) {
  return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o';
}

bool isConsonant(char c) {
  return c >= 'a' && c <= 'z' && !isVowel(c);
}

std::string_view kanaFor(std::string_view romaji) {
  for (const Syllable& syllable : kSyllables) {
    if (syllable.romaji == romaji) return syllable.kana;
  }
  return {};
}

// One word, already in lower case. Gives false and fills `error` when a part
// of it spells no kana.
bool readWord(std::string_view word, std::string_view original,
              std::string& kana, std::string& error) {
  std::size_t i = 0;
  while (i < word.size()) {
    const char c = word[i];
    const char next = i + 1 < word.size() ? word[i + 1] : '\0';
    if (c == '\'') {  // only separates: "n'a" is ん + あ, "na" is な
      ++i;
      continue;
    }
    if (c == 'n' && !isVowel(next) && next != 'y') {
      kana += "ん";
      ++i;
      continue;
    }
    // Hepburn spells ん before b, p and m as m ("Shimbun").
    if (c == 'm' && (next == 'b' || next == 'p' || next == 'm')) {
      kana += "ん";
      ++i;
      continue;
    }
    // A doubled consonant is a small tsu, as is the t of "tch" ("matcha").
    if (isConsonant(c) && c != 'n' &&
        (next == c || (c == 't' && next == 'c'))) {
      kana += "っ";
      ++i;
      continue;
    }
    std::string_view found;
    std::size_t length = std::min(kLongestSpelling, word.size() - i);
    for (; length > 0; --length) {
      found = kanaFor(word.substr(i, length));
      if (!found.empty()) break;
    }
    if (found.empty()) {
      error = "no kana for \"" + std::string(original.substr(i)) + "\" in \"" +
              std::string(original) + "\"";
      return false;
    }
    kana += found;
    i += length;
  }
  if (kana.empty()) {
    error = "no kana in \"" + std::string(original) + "\"";
    return false;
  }
  return true;
}

bool isSeparator(char c) {
  // Punctuation only parts words; the table uses none, hand-typed text may.
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '-' ||
         c == ',' || c == '.' || c == ';' || c == ':' || c == '!' || c == '?';
}

}  // namespace

std::string KanaText::joined(std::string_view separator) const {
  std::string out;
  for (const KanaWord& word : words) {
    if (!out.empty()) out += separator;
    out += word.kana;
  }
  return out;
}

KanaText romajiToKana(std::string_view romaji) {
  KanaText text;
  std::size_t i = 0;
  while (i < romaji.size()) {
    if (isSeparator(romaji[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < romaji.size() && !isSeparator(romaji[end])) ++end;
    const std::string_view original = romaji.substr(i, end - i);
    std::string lower;
    for (const char c : original) {
      const auto u = static_cast<unsigned char>(c);
      if (u >= 0x80 || !(std::isalpha(u) || c == '\'')) {
        text.words.clear();
        text.error = "\"" + std::string(original) +
                     "\" holds a character that is not a Latin letter";
        return text;
      }
      lower += static_cast<char>(std::tolower(u));
    }
    KanaWord word;
    word.kind = std::islower(static_cast<unsigned char>(original.front()))
                    ? WordKind::Particle
                    : WordKind::Word;
    if (!readWord(lower, original, word.kana, text.error)) {
      text.words.clear();
      return text;
    }
    text.words.push_back(std::move(word));
    i = end;
  }
  return text;
}

int countMorae(std::string_view kana) {
  // Hiragana lie in U+3041..U+309F and ー is U+30FC: three bytes each in UTF-8.
  static constexpr std::array<std::string_view, 9> kJoining = {
      "ゃ", "ゅ", "ょ", "ぁ", "ぃ", "ぅ", "ぇ", "ぉ", "ゎ"};
  int morae = 0;
  std::size_t i = 0;
  while (i < kana.size()) {
    const auto lead = static_cast<unsigned char>(kana[i]);
    const std::size_t length =
        lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string_view character = kana.substr(i, length);
    const bool isKana = length == 3 && (character >= "ぁ" && character <= "ゟ");
    const bool joins = std::find(kJoining.begin(), kJoining.end(),
                                 character) != kJoining.end();
    if ((isKana && !joins) || character == "ー") ++morae;
    i += length;
  }
  return morae;
}

}  // namespace fuda
