#include "voicegen/speech_engine.h"

#include <gtest/gtest.h>

namespace fuda {
namespace {

// The part of Open JTalk's trace output that tells the phonemes, as it
// writes it for "いまわー".
constexpr std::string_view kTrace =
    "[Text analysis result]\n"
    "いま,名詞,副詞可能,*,*,*,*,いま,イマ,イマ,1/2,C2,-1\n"
    "\n"
    "[Output label]\n"
    "0 3950000 xx^xx-sil+i=m/A:xx+xx+xx\n"
    "3950000 4650000 xx^sil-i+m=a/A:0+1+2\n"
    "4650000 5200000 sil^i-m+a=w/A:0+1+2\n"
    "5200000 5700000 i^m-a+w=a/A:1+2+1\n"
    "5700000 6250000 m^a-w+a=a/A:1+2+1\n"
    "6250000 7300000 a^w-a+a=sil/A:-4+1+5\n"
    "7300000 7950000 w^a-a+sil=xx/A:-3+2+4\n"
    "7950000 9000000 a^a-sil+xx=xx/A:xx+xx+xx\n"
    "\n"
    "[Global parameter]\n"
    "Sampring frequency -> 48000(Hz)\n";

TEST(PhonesFromTrace, ReadsEachPhonemeWithItsTimes) {
  const std::vector<Phone> phones = phonesFromTrace(kTrace);
  ASSERT_EQ(phones.size(), 8u);
  EXPECT_EQ(phones[0].name, "sil");
  EXPECT_EQ(phones[1].name, "i");
  EXPECT_DOUBLE_EQ(phones[1].startSeconds, 0.395);
  EXPECT_DOUBLE_EQ(phones[1].endSeconds, 0.465);
  EXPECT_EQ(phones[6].name, "a");
  EXPECT_TRUE(phonesFromTrace("no labels here").empty());
}

TEST(PhonesSayReading, TheHeldVowelIsAllowedForButNoSoundMayDiffer) {
  const std::vector<Phone> phones = phonesFromTrace(kTrace);
  EXPECT_TRUE(phonesSayReading(phones, "いま わ", 1));
  EXPECT_FALSE(phonesSayReading(phones, "いま わ", 0));
  // The particle read where the verse has the syllable は: the words are off.
  EXPECT_FALSE(phonesSayReading(phones, "いま は", 1));
  EXPECT_FALSE(phonesSayReading(phones, "いま わた", 1));
  EXPECT_FALSE(phonesSayReading({}, "いま わ", 1));
}

}  // namespace
}  // namespace fuda
