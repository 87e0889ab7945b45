#include "core/settings/reader_settings.h"

#include <gtest/gtest.h>

#include "core/encoding/text_encoding.h"
#include "core/encoding/utf8_path.h"
#include "core/game/timing_adjustment.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/temp_folder.h"

namespace fuda {
namespace {

using testing::RecordingReaderView;
using testing::TempFolder;
using testing::VirtualClock;

struct Loaded {
  explicit Loaded(const SettingsFile& settings, Language language = Language::Japanese)
      : view(clock) {
    offsets = loadSettings(settings, state, voice, view, language);
  }
  VirtualClock clock;
  RecordingReaderView view;
  ReadingState state;
  CurrentVoice voice;
  TimerOffsets offsets;
};

TEST(LoadSettings, WithNoSettingsFileEverythingTakesItsDefault) {
  TempFolder folder;
  Loaded loaded(SettingsFile(folder / "fudayomi.ini"));
  EXPECT_EQ(loaded.voice.get().voiceDir, std::filesystem::path("./data"));
  EXPECT_EQ(loaded.voice.get().announceDir, std::filesystem::path("./data/Mesg"));
  EXPECT_EQ(loaded.state.mode.load(), ReadMode::Manual);
  EXPECT_EQ(loaded.view.radio, ReadMode::Manual);
  EXPECT_DOUBLE_EQ(loaded.state.settings.interval.load(), 3.0);
  EXPECT_EQ(loaded.state.memoState.load(), MemoState::StartWithMemo);
  EXPECT_EQ(loaded.offsets.x, 180);
  EXPECT_EQ(loaded.offsets.y, 340);
}

TEST(LoadSettings, ASettingsFileThatIsADirectoryIsReportedAndTheDefaultsApply) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "fudayomi.ini");
  Loaded loaded(SettingsFile(folder / "fudayomi.ini"), Language::English);
  ASSERT_GE(loaded.view.messages.size(), 1u);
  EXPECT_EQ(loaded.view.messages[0].caption, "fudayomi.ini");
  EXPECT_EQ(loaded.state.mode.load(), ReadMode::Manual);
  EXPECT_DOUBLE_EQ(loaded.state.settings.interval.load(), 3.0);
  EXPECT_EQ(loaded.offsets.x, 180);
}

TEST(LoadSettings, OnlyTheExactTextOneSetsAFlag) {
  TempFolder folder;
  for (const char* value : {"yes", "01", "1.0", " 1x"}) {
    Loaded loaded(SettingsFile(folder.write(
        "fudayomi.ini", std::string("[Auto]\nAuto=") + value + "\n[Timer]\nUse=" + value + "\n")));
    EXPECT_EQ(loaded.state.mode.load(), ReadMode::Manual) << value;
    EXPECT_EQ(loaded.state.memoState.load(), MemoState::StartWithoutMemo) << value;
  }
  Loaded loaded(SettingsFile(folder.write("fudayomi.ini", "[Auto]\nAuto= 1 \n")));
  EXPECT_EQ(loaded.state.mode.load(), ReadMode::Automatic);
  EXPECT_EQ(loaded.view.radio, ReadMode::Automatic);
}

TEST(LoadSettings, NumbersAreReadAsTheProgramReadsNumbers) {
  TempFolder folder;
  Loaded loaded(SettingsFile(
      folder.write("fudayomi.ini", "[Auto]\nItvl=2.5s\n[Timer]\nPosx=abc\nPosy=&H10\n")));
  EXPECT_DOUBLE_EQ(loaded.state.settings.interval.load(), 2.5);
  EXPECT_EQ(loaded.offsets.x, 0);
  EXPECT_EQ(loaded.offsets.y, 16);
  Loaded letter(SettingsFile(folder.write("fudayomi.ini", "[Auto]\nItvl=x2\n")));
  EXPECT_DOUBLE_EQ(letter.state.settings.interval.load(), 0.0);
}

TEST(SelectReaderVoice, ProbesTheFormatWithoutRegardToCaseAndPrefersWav) {
  TempFolder folder;
  folder.write("v1/i-000a.MP3", "");
  folder.write("v1/I-000A.WAV", "");
  folder.write("v2/I-000A.ogg", "");
  const SettingsFile settings(folder.write(
      "fudayomi.ini", "[Reader]\nNum=2\n[Path]\nData1=" + (folder / "v1").string() +
                          "\nData2=" + (folder / "v2").string() + "\n"));
  Loaded loaded(settings);
  EXPECT_EQ(loaded.voice.get().format, ClipFormat::Ogg);
  EXPECT_TRUE(loaded.view.messages.empty());

  selectReaderVoice(settings, "1", loaded.voice, loaded.view, Language::Japanese);
  EXPECT_EQ(loaded.voice.get().format, ClipFormat::Wav);
  EXPECT_EQ(loaded.voice.get().voiceDir, folder / "v1");
}

TEST(SelectReaderVoice, ANumberWithoutKeyOrAVoiceWithoutClipsGivesTheMessage) {
  TempFolder folder;
  folder.write("v1/I-000A.mp3", "");
  const SettingsFile settings(folder.write(
      "fudayomi.ini", "[Reader]\nNum=5\n[Path]\nData1=" + (folder / "v1").string() + "\n"));
  Loaded loaded(settings, Language::English);
  // "5" names no key: the default directory, which holds no voice here.
  EXPECT_EQ(loaded.voice.get().voiceDir, std::filesystem::path("./data"));
  EXPECT_EQ(loaded.voice.get().format, ClipFormat::Wav);
  ASSERT_EQ(loaded.view.messages.size(), 1u);
  EXPECT_EQ(loaded.view.messages[0].caption, "Data");
  EXPECT_EQ(loaded.view.messages[0].text, "File not Found!");

  selectReaderVoice(settings, "1", loaded.voice, loaded.view, Language::Japanese);
  EXPECT_EQ(loaded.voice.get().format, ClipFormat::Mp3);
  EXPECT_EQ(loaded.view.messages.size(), 1u);
  selectReaderVoice(settings, "2", loaded.voice, loaded.view, Language::Japanese);
  ASSERT_EQ(loaded.view.messages.size(), 2u);
  EXPECT_EQ(loaded.view.messages[1].caption, "読手データ");
  EXPECT_EQ(loaded.view.messages[1].text, "ファイルがありません");
}

// The settings are UTF-8 text; Windows would read a plain string's bytes in
// its own code page and miss a folder named in Japanese.
TEST(SelectReaderVoice, WindowsSeparatorsAndJapaneseNamesInThePathAreRead) {
  TempFolder folder;
  folder.write(folder / u8"voices/読手 の声/I-000A.wav", "");
  const SettingsFile settings(folder.write(
      "fudayomi.ini",
      "[Path]\nData3=" + utf8FromPath(folder.path()) + "\\voices\\読手 の声\n"));
  Loaded loaded(settings);
  selectReaderVoice(settings, "3", loaded.voice, loaded.view, Language::Japanese);
  EXPECT_EQ(loaded.voice.get().voiceDir, folder / u8"voices/読手 の声");
  EXPECT_EQ(loaded.voice.get().format, ClipFormat::Wav);
}

TEST(TimingLabel, ShowsOneDigitAPointAndTwoDecimals) {
  EXPECT_EQ(timingLabel(Language::English, timingPauseFor(0)), "adjust the timing:  0.00");
  EXPECT_EQ(timingLabel(Language::English, timingPauseFor(1)), "adjust the timing:  0.02");
  EXPECT_EQ(timingLabel(Language::English, timingPauseFor(10)), "adjust the timing:  0.20");
  EXPECT_EQ(timingLabel(Language::English, timingPauseFor(50)), "adjust the timing:  1.00");
  EXPECT_EQ(timingLabel(Language::English, timingPauseFor(55)), "adjust the timing:  1.10");
  EXPECT_EQ(timingLabel(Language::Japanese, timingPauseFor(100)), "間合い調整：　2.00");
}

TEST(TextEncoding, Cp932RoundTripAndInvalidBytes) {
  EXPECT_EQ(utf8ToCp932("あきの").value(), "\x82\xA0\x82\xAB\x82\xCC");
  EXPECT_EQ(cp932ToUtf8("\x82\xA0\x82\xAB\x82\xCC").value(), "あきの");
  EXPECT_FALSE(cp932ToUtf8("\x82").has_value());
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));
  EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));  // "/" spelt long
  EXPECT_FALSE(isValidUtf8("\xF0\x80\x80\xAF"));
  EXPECT_FALSE(isValidUtf8("\xE3\x81"));
  EXPECT_TRUE(isValidUtf8("ふだよみ abc"));
}

TEST(TextEncoding, MoraeAreKanaOrTwoLetterUnits) {
  EXPECT_EQ(firstMorae("あさぼらけあ", 2), "あさ");
  EXPECT_EQ(firstMorae("A_SaBoRaKeA_", 2), "A_Sa");
  EXPECT_EQ(firstMorae("I_NiSi", 3), "I_NiSi");
  EXPECT_EQ(firstMorae("む", 5), "む");
  EXPECT_EQ(firstMorae("Mu", 0), "");
  EXPECT_EQ(moraCount("あさぼらけあ"), 6);
  EXPECT_EQ(moraCount("I_NiSi"), 3);
}

}  // namespace
}  // namespace fuda
