#include "voicegen/kana_words.h"

#include <gtest/gtest.h>

namespace fuda {
namespace {

TEST(RomanisedReading, HepburnAsTheEnglishTableSpellsIt) {
  EXPECT_EQ(romanisedReading("しのぶ ちる つき ふく じ"), "shinobu chiru tsuki fuku ji");
  EXPECT_EQ(romanisedReading("ちょう きょう ゆう おお しゃ じょ"),
            "chou kyou yuu oo sha jo");
  // The particle を keeps its w; わ and え are spelled as said.
  EXPECT_EQ(romanisedReading("とま を みやこ え ころもで わ"),
            "toma wo miyako e koromode wa");
}

TEST(RomanisedReading, SyllabicNAndSmallTsu) {
  EXPECT_EQ(romanisedReading("しんや かんい ふんや おらん"), "shin'ya kan'i fun'ya oran");
  EXPECT_EQ(romanisedReading("ほっしょうじ まっちゃ"), "hosshouji matcha");
}

TEST(RomanisedReading, AnythingButHiraganaAndBlanksGivesNothing) {
  EXPECT_EQ(romanisedReading("あき no"), "");
  EXPECT_EQ(romanisedReading("秋"), "");
}

TEST(HeardSounds, LongVowelsAndTheParticleSoundAlike) {
  EXPECT_EQ(heardSounds("kyou"), heardSounds("kyoo"));
  EXPECT_EQ(heardSounds("toma wo arami"), "tomaoarami");
  EXPECT_EQ(heardSounds("hosshouji shin'ya"), "hoshoojishinya");
  EXPECT_NE(heardSounds("ima hata"), heardSounds("imawata"));
}

TEST(ReadingWords, ParticlesAreMarked) {
  const KanaText text = readingWords("あき の た  の");
  ASSERT_EQ(text.words.size(), 4u);
  EXPECT_EQ(text.words[0].kind, WordKind::Word);
  EXPECT_EQ(text.words[1].kind, WordKind::Particle);
  EXPECT_EQ(text.words[2].kind, WordKind::Word);
  EXPECT_EQ(text.joined(""), "あきのたの");
}

TEST(CountMorae, SmallKanaJoinTheKanaBefore) {
  EXPECT_EQ(countMorae("きょう"), 2);
  EXPECT_EQ(countMorae("しんや"), 3);
  EXPECT_EQ(countMorae("まっちゃ"), 3);
  EXPECT_EQ(countMorae("あらみー"), 4);
  EXPECT_EQ(countMorae("あき の"), 3);
  EXPECT_EQ(countMorae(""), 0);
}

}  // namespace
}  // namespace fuda
