#include "voicegen/kana_words.h"

#include <algorithm>
#include <array>

namespace fuda {

namespace {

struct Syllable {
  std::string_view kana;
  std::string_view romaji;
};

// Two-kana syllables come first, so that きょ is read before き.
constexpr auto kSyllables = std::to_array<Syllable>({
    {"きゃ", "kya"}, {"きゅ", "kyu"}, {"きょ", "kyo"},
    {"ぎゃ", "gya"}, {"ぎゅ", "gyu"}, {"ぎょ", "gyo"},
    {"しゃ", "sha"}, {"しゅ", "shu"}, {"しょ", "sho"},
    {"じゃ", "ja"}, {"じゅ", "ju"}, {"じょ", "jo"},
    {"ちゃ", "cha"}, {"ちゅ", "chu"}, {"ちょ", "cho"},
    {"にゃ", "nya"}, {"にゅ", "nyu"}, {"にょ", "nyo"},
    {"ひゃ", "hya"}, {"ひゅ", "hyu"}, {"ひょ", "hyo"},
    {"びゃ", "bya"}, {"びゅ", "byu"}, {"びょ", "byo"},
    {"ぴゃ", "pya"}, {"ぴゅ", "pyu"}, {"ぴょ", "pyo"},
    {"みゃ", "mya"}, {"みゅ", "myu"}, {"みょ", "myo"},
    {"りゃ", "rya"}, {"りゅ", "ryu"}, {"りょ", "ryo"},
    {"あ", "a"}, {"い", "i"}, {"う", "u"}, {"え", "e"}, {"お", "o"},
    {"か", "ka"}, {"き", "ki"}, {"く", "ku"}, {"け", "ke"}, {"こ", "ko"},
    {"が", "ga"}, {"ぎ", "gi"}, {"ぐ", "gu"}, {"げ", "ge"}, {"ご", "go"},
    {"さ", "sa"}, {"し", "shi"}, {"す", "su"}, {"せ", "se"}, {"そ", "so"},
    {"ざ", "za"}, {"じ", "ji"}, {"ず", "zu"}, {"ぜ", "ze"}, {"ぞ", "zo"},
    {"た", "ta"}, {"ち", "chi"}, {"つ", "tsu"}, {"て", "te"}, {"と", "to"},
    {"だ", "da"}, {"ぢ", "ji"}, {"づ", "zu"}, {"で", "de"}, {"ど", "do"},
    {"な", "na"}, {"に", "ni"}, {"ぬ", "nu"}, {"ね", "ne"}, {"の", "no"},
    {"は", "ha"}, {"ひ", "hi"}, {"ふ", "fu"}, {"へ", "he"}, {"ほ", "ho"},
    {"ば", "ba"}, {"び", "bi"}, {"ぶ", "bu"}, {"べ", "be"}, {"ぼ", "bo"},
    {"ぱ", "pa"}, {"ぴ", "pi"}, {"ぷ", "pu"}, {"ぺ", "pe"}, {"ぽ", "po"},
    {"ま", "ma"}, {"み", "mi"}, {"む", "mu"}, {"め", "me"}, {"も", "mo"},
    {"や", "ya"}, {"ゆ", "yu"}, {"よ", "yo"},
    {"ら", "ra"}, {"り", "ri"}, {"る", "ru"}, {"れ", "re"}, {"ろ", "ro"},
    {"わ", "wa"}, {"ゐ", "i"}, {"ゑ", "e"}, {"を", "wo"}, {"ん", "n"},
});

constexpr std::string_view kSmallTsu = "っ";
constexpr std::string_view kLongMark = "ー";

// Particles that a line of the poem does not start with, given a choice.
constexpr std::array<std::string_view, 10> kParticles = {
    "の", "に", "わ", "を", "も", "と", "ぞ", "や", "え", "が"};

bool isVowel(char c) {
  return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o';
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
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

KanaText readingWords(std::string_view reading) {
  KanaText text;
  std::size_t at = 0;
  while (at < reading.size()) {
    if (reading[at] == ' ') {
      ++at;
      continue;
    }
    const std::size_t end = std::min(reading.find(' ', at), reading.size());
    KanaWord word{std::string(reading.substr(at, end - at))};
    if (std::find(kParticles.begin(), kParticles.end(), word.kana) != kParticles.end()) {
      word.kind = WordKind::Particle;
    }
    text.words.push_back(std::move(word));
    at = end;
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
    if ((isKana && !joins) || character == kLongMark) ++morae;
    i += length;
  }
  return morae;
}

std::string romanisedReading(std::string_view kana) {
  std::string out;
  bool doubleNext = false;
  bool afterN = false;
  std::size_t at = 0;
  while (at < kana.size()) {
    if (kana[at] == ' ') {
      out += ' ';
      afterN = false;
      ++at;
      continue;
    }
    if (kana.substr(at).starts_with(kSmallTsu)) {
      doubleNext = true;
      at += kSmallTsu.size();
      continue;
    }
    const auto syllable =
        std::find_if(kSyllables.begin(), kSyllables.end(), [&](const Syllable& s) {
          return kana.substr(at).starts_with(s.kana);
        });
    if (syllable == kSyllables.end()) return {};
    std::string_view romaji = syllable->romaji;
    if (doubleNext) {
      // っ doubles the consonant that follows; before ch it is a t.
      out += romaji.starts_with("ch") ? 't' : romaji.front();
      doubleNext = false;
    }
    // ん before a vowel or y takes an apostrophe, so "n'a" is not "na".
    if (afterN && (isVowel(romaji.front()) || romaji.front() == 'y')) out += '\'';
    out += romaji;
    afterN = syllable->kana == "ん";
    at += syllable->kana.size();
  }
  return out;
}

std::string heardSounds(std::string_view romanised) {
  std::string out;
  std::size_t at = 0;
  while (at < romanised.size()) {
    const std::size_t end = std::min(romanised.find(' ', at), romanised.size());
    const std::string_view word = romanised.substr(at, end - at);
    out += word == "wo" ? std::string_view("o") : word;
    at = end + 1;
  }
  std::erase(out, '\'');
  replaceAll(out, "ou", "oo");
  replaceAll(out, "ei", "ee");
  // っ: a doubled consonant, or the t of "tch", is heard as one.
  std::string single;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const char next = i + 1 < out.size() ? out[i + 1] : '\0';
    const bool doubled = !isVowel(out[i]) && out[i] != 'n' &&
                         (next == out[i] || (out[i] == 't' && next == 'c'));
    if (!doubled) single += out[i];
  }
  return single;
}

}  // namespace fuda
