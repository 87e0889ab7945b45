#include "tools/voice_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace fuda {
namespace {

std::string upper(std::string_view romaji) {
  return recitedVerse(romajiToKana(romaji), kUpperVerseLines);
}

std::string lower(std::string_view romaji) {
  return recitedVerse(romajiToKana(romaji), kLowerVerseLines);
}

TEST(RecitedVerse, RunsWordsTogetherWithinTheLinesOfThePoem) {
  EXPECT_EQ(upper("Aki no Ta no Kario no Io no Toma wo Arami"),
            "あきのたの かりおのいおの とまをあらみー");
  EXPECT_EQ(lower("Waga Koromode wa Tsuyu ni Nuretsutsu"),
            "わがころもでわ つゆにぬれつつー");
}

TEST(RecitedVerse, ExtraSyllablesDoNotPushAParticleOntoTheNextLine) {
  // 6-7-5: "ni" ends the first line rather than opening the second.
  EXPECT_EQ(upper("Kokoro ate ni Oraba ya Oran Hatsushimo no"),
            "こころあてに おらばやおらん はつしものー");
  // Cutting before "wa" would give the first line its five morae exactly.
  EXPECT_EQ(upper("Hana no Iro wa Utsurinikeri na Itazura ni"),
            "はなのいろわ うつりにけりな いたずらにー");
}

TEST(RecitedVerse, AParticleOpensALineWhereTheMoraeCallForIt) {
  EXPECT_EQ(upper("Ima wa Tada Omoi Taenamu to Bakari wo"),
            "いまわただ おもいたえなむ とばかりをー");
}

TEST(RecitedVerse, NoHeldVowelAfterSyllabicN) {
  EXPECT_EQ(lower("Kumo Gakurenishi Yowa no Tsuki Kana"),
            "くもがくれにし よわのつきかなー");
  EXPECT_EQ(lower("Hito Koso Shirane Kawaku Ma mo Nashi Oran"),
            "ひとこそしらね かわくまもなしおらん");
}

TEST(RecitedVerse, TooFewWordsForTheLinesAreKeptAsTheyAre) {
  EXPECT_EQ(upper("Ima Hana"), "いま はなー");
  EXPECT_EQ(upper(""), "");
}

// Sounds that the kana of the decisive syllables and a reading as pronounced
// may spell differently ("おう" and "おお" are both a long o).
std::string pronounced(std::string kana) {
  const std::pair<std::string_view, std::string_view> same[] = {
      {"は", "わ"}, {"を", "お"}, {"へ", "え"}, {"づ", "ず"}, {"ぢ", "じ"},
      {"おう", "おお"}};
  for (const auto& [from, to] : same) {
    for (std::size_t at = kana.find(from); at != std::string::npos;
         at = kana.find(from, at + to.size())) {
      kana.replace(at, from.size(), to);
    }
  }
  return kana;
}

TEST(VoiceScript, EveryVerseOfThePoemTableIsSpoken) {
  const VoiceScript script =
      makeVoiceScript(PoemTable::forLanguage(Language::English));
  ASSERT_TRUE(script.ok()) << script.error;
  ASSERT_EQ(script.lines.size(), static_cast<std::size_t>(kVoiceClipCount));
  std::set<std::string> names;
  for (const VoiceLine& line : script.lines) {
    names.insert(line.name);
    EXPECT_GE(countMorae(line.kana), 5) << line.name << " " << line.kana;
    EXPECT_LE(countMorae(line.kana), 30) << line.name << " " << line.kana;
  }
  EXPECT_EQ(names.size(), script.lines.size());
  EXPECT_EQ(script.lines.front().name, "I-000A");
  EXPECT_EQ(script.lines[201].name, "I-100B");
  for (const std::string_view name : {"anki_s", "anki_5", "nifun", "shiai_s"}) {
    EXPECT_TRUE(names.contains(std::string(name))) << name;
  }
}

TEST(VoiceScript, UpperVersesBeginWithTheirDecisiveSyllables) {
  // The romanised verses and the kana of the decisive syllables are two
  // columns of one table; the voice must say what the screen shows.
  const PoemTable& romanised = PoemTable::forLanguage(Language::English);
  const PoemTable& japanese = PoemTable::forLanguage(Language::Japanese);
  for (int poem = 1; poem <= kPoemCount; ++poem) {
    const KanaText verse = romajiToKana(romanised[poem].upperVerse);
    ASSERT_TRUE(verse.ok()) << poem << ": " << verse.error;
    const std::string spoken = pronounced(verse.joined(""));
    const std::string decisive = pronounced(std::string(japanese[poem].kimariji));
    EXPECT_TRUE(spoken.starts_with(decisive))
        << "poem " << poem << ": " << spoken << " / " << decisive;
  }
}

TEST(VoiceScript, VersesFallIntoTheLinesOfATanka) {
  const VoiceScript script =
      makeVoiceScript(PoemTable::forLanguage(Language::English));
  ASSERT_TRUE(script.ok()) << script.error;
  for (const VoiceLine& line : script.lines) {
    if (line.folder != ClipFolder::Verses) continue;
    const std::size_t lines =
        1 + static_cast<std::size_t>(std::count(line.kana.begin(), line.kana.end(), ' '));
    EXPECT_EQ(lines, line.name.back() == 'A' ? 3u : 2u) << line.name << " " << line.kana;
  }
}

TEST(VoiceClipNames, ThreeDigitsAndHalf) {
  EXPECT_EQ(verseClipName(0, VerseHalf::Upper), "I-000A");
  EXPECT_EQ(verseClipName(7, VerseHalf::Lower), "I-007B");
  EXPECT_EQ(verseClipName(100, VerseHalf::Lower), "I-100B");
}

}  // namespace
}  // namespace fuda
