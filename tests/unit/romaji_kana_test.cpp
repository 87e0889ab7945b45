#include "tools/romaji_kana.h"

#include <gtest/gtest.h>

namespace fuda {
namespace {

std::string kana(std::string_view romaji) {
  const KanaText text = romajiToKana(romaji);
  EXPECT_TRUE(text.ok()) << romaji << ": " << text.error;
  return text.joined();
}

TEST(RomajiToKana, HepburnConsonants) {
  EXPECT_EQ(kana("Shinobu Chiru Tsuki Fuku Jikan"), "しのぶ ちる つき ふく じかん");
  EXPECT_EQ(kana("Shaku Shuu Sho Cha Chuu Cho Ja Juu Jo"),
            "しゃく しゅう しょ ちゃ ちゅう ちょ じゃ じゅう じょ");
  EXPECT_EQ(kana("Kyou Gyaku Nyo Hyaku Byou Pyon Myou Ryuu"),
            "きょう ぎゃく にょ ひゃく びょう ぴょん みょう りゅう");
}

TEST(RomajiToKana, KunreiSpellingsReadAlike) {
  EXPECT_EQ(kana("Si Ti Tu Hu Zi Sya Tyo Zyu"), "し ち つ ふ じ しゃ ちょ じゅ");
}

TEST(RomajiToKana, LongVowelsAreSpelledOut) {
  EXPECT_EQ(kana("Kyou"), "きょう");
  EXPECT_EQ(kana("Oo Kotonaki"), "おお ことなき");
  EXPECT_EQ(kana("Yuu Sareba"), "ゆう されば");
  EXPECT_EQ(kana("Oeyama"), "おえやま");
}

TEST(RomajiToKana, SyllabicN) {
  // Before a vowel or y the apostrophe keeps n apart; without it n joins.
  EXPECT_EQ(kana("Shin'ya"), "しんや");
  EXPECT_EQ(kana("Shinya"), "しにゃ");
  EXPECT_EQ(kana("Kan'i"), "かんい");
  EXPECT_EQ(kana("Kani"), "かに");
  // Before a consonant and at the end of a word n stands alone.
  EXPECT_EQ(kana("Onna Oran Kanzashi"), "おんな おらん かんざし");
  EXPECT_EQ(kana("Shimbun Sampo"), "しんぶん さんぽ");
}

TEST(RomajiToKana, DoubledConsonantIsSmallTsu) {
  EXPECT_EQ(kana("Hakkiri Zasshi Mottomo Nippon Matcha"),
            "はっきり ざっし もっとも にっぽん まっちゃ");
  EXPECT_EQ(kana("Kitto"), "きっと");
}

TEST(RomajiToKana, ParticlesAsPronounced) {
  // The table writes the particles は, へ, を as they are said.
  const KanaText text = romajiToKana("Koromode wa Toma wo Miyako e Hana no");
  ASSERT_TRUE(text.ok());
  EXPECT_EQ(text.joined(), "ころもで わ とま を みやこ え はな の");
}

TEST(RomajiToKana, WordKindsFollowCapitals) {
  const KanaText text = romajiToKana("Aki no Ta no");
  ASSERT_EQ(text.words.size(), 4u);
  EXPECT_EQ(text.words[0].kind, WordKind::Word);
  EXPECT_EQ(text.words[1].kind, WordKind::Particle);
  EXPECT_EQ(text.words[2].kind, WordKind::Word);
  EXPECT_EQ(text.words[3].kind, WordKind::Particle);
}

TEST(RomajiToKana, CapitalsAndBlanksDoNotChangeTheKana) {
  EXPECT_EQ(kana("  AKI   no\tTA no "), "あき の た の");
  EXPECT_EQ(kana("aki NO ta No"), "あき の た の");
  EXPECT_EQ(kana("SHIN'YA"), "しんや");
  EXPECT_EQ(kana(""), "");
}

TEST(RomajiToKana, WholeVerses) {
  EXPECT_EQ(kana("Aki no Ta no Kario no Io no Toma wo Arami"),
            "あき の た の かりお の いお の とま を あらみ");
  EXPECT_EQ(kana("Kokoro ate ni Oraba ya Oran Hatsushimo no"),
            "こころ あて に おらば や おらん はつしも の");
  EXPECT_EQ(kana("Chihayaburu Kamiyo mo Kikazu Tatsutagawa"),
            "ちはやぶる かみよ も きかず たつたがわ");
}

TEST(RomajiToKana, WhatSpellsNoKanaIsRefusedWithTheWord) {
  for (const std::string_view bad : {"Qa", "Kx", "Tokyō", "Ak", "Kyy", "Hana2",
                                     "Tsy", "'"}) {
    const KanaText text = romajiToKana(std::string("Aki ") + std::string(bad));
    EXPECT_FALSE(text.ok()) << bad;
    EXPECT_TRUE(text.words.empty()) << bad;
  }
  EXPECT_NE(romajiToKana("Aki Kx").error.find("\"Kx\""), std::string::npos);
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
