#include "voicegen/voice_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace fuda {
namespace {

std::string upper(std::string_view reading) {
  return recitedVerse(readingWords(reading), kUpperVerseLines);
}

std::string lower(std::string_view reading) {
  return recitedVerse(readingWords(reading), kLowerVerseLines);
}

TEST(RecitedVerse, RunsWordsTogetherWithinTheLinesOfThePoem) {
  EXPECT_EQ(upper("あき の た の かりお の いお の とま を あらみ"),
            "あきのたの かりおのいおの とまをあらみー");
  EXPECT_EQ(lower("わが ころもで わ つゆ に ぬれつつ"),
            "わがころもでわ つゆにぬれつつー");
}

TEST(RecitedVerse, ExtraSyllablesDoNotPushAParticleOntoTheNextLine) {
  // 6-7-5: "ni" ends the first line rather than opening the second.
  EXPECT_EQ(upper("こころ あて に おらば や おらん はつしも の"),
            "こころあてに おらばやおらん はつしものー");
  // Cutting before "wa" would give the first line its five morae exactly.
  EXPECT_EQ(upper("はな の いろ わ うつりにけり な いたずら に"),
            "はなのいろわ うつりにけりな いたずらにー");
}

TEST(RecitedVerse, AParticleOpensALineWhereTheMoraeCallForIt) {
  EXPECT_EQ(upper("いま わ ただ おもい たえなん と ばかり を"),
            "いまわただ おもいたえなん とばかりをー");
}

TEST(RecitedVerse, NoHeldVowelAfterSyllabicN) {
  EXPECT_EQ(lower("くも がくれにし よわ の つき かな"),
            "くもがくれにし よわのつきかなー");
  EXPECT_EQ(lower("ひと こそ しらね かわく ま も なし おらん"),
            "ひとこそしらね かわくまもなしおらん");
}

TEST(RecitedVerse, TooFewWordsForTheLinesAreKeptAsTheyAre) {
  EXPECT_EQ(upper("いま はな"), "いま はなー");
  EXPECT_EQ(upper(""), "");
}

// Sounds that the kana of the decisive syllables and a reading as pronounced
// may spell differently ("おう" and "おお" are both a long o).
std::string pronounced(std::string kana) {
  const std::pair<std::string_view, std::string_view> same[] = {
      {"は", "わ"}, {"を", "お"}, {"へ", "え"}, {"づ", "ず"}, {"ぢ", "じ"},
      {"おう", "おお"}, {" ", ""}};
  for (const auto& [from, to] : same) {
    for (std::size_t at = kana.find(from); at != std::string::npos;
         at = kana.find(from, at + to.size())) {
      kana.replace(at, from.size(), to);
    }
  }
  return kana;
}

TEST(VoiceScript, EveryVerseOfThePoemTableIsSpoken) {
  const VoiceScript script = makeVoiceScript();
  ASSERT_EQ(script.lines.size(), static_cast<std::size_t>(kVoiceClipCount));
  std::set<std::string> names;
  for (const VoiceLine& line : script.lines) {
    names.insert(line.name);
    EXPECT_GE(countMorae(line.kana), 5) << line.name << " " << line.kana;
    EXPECT_LE(countMorae(line.kana), 30) << line.name << " " << line.kana;
    // Open JTalk speaks the verses from their kana and the announcements as
    // written sentences.
    EXPECT_EQ(line.folder == ClipFolder::Verses, !line.reading.empty()) << line.name;
    EXPECT_EQ(line.folder == ClipFolder::Verses, line.sentence.empty()) << line.name;
  }
  EXPECT_EQ(names.size(), script.lines.size());
  EXPECT_EQ(script.lines.front().name, "I-000A");
  EXPECT_EQ(script.lines[201].name, "I-100B");
  for (const std::string_view name : {"anki_s", "anki_5", "nifun", "shiai_s"}) {
    EXPECT_TRUE(names.contains(std::string(name))) << name;
  }
}

TEST(VoiceScript, UpperVersesBeginWithTheirDecisiveSyllables) {
  // The reading column and the kana of the decisive syllables are two
  // columns of one table; the voice must say what the screen shows.
  const VoiceScript script = makeVoiceScript();
  const PoemTable& japanese = PoemTable::forLanguage(Language::Japanese);
  for (int poem = 1; poem <= kPoemCount; ++poem) {
    const std::string spoken = pronounced(script.lines[2 * poem].reading);
    const std::string decisive = pronounced(std::string(japanese[poem].kimariji));
    EXPECT_TRUE(spoken.starts_with(decisive))
        << "poem " << poem << ": " << spoken << " / " << decisive;
  }
}

TEST(VoiceScript, VersesFallIntoTheLinesOfATanka) {
  const VoiceScript script = makeVoiceScript();
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
