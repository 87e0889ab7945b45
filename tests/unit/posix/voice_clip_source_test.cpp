#include "adapters/posix/posix_script.h"
#include "core/clips/voice_clip_source.h"

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/fake_shell.h"
#include "tests/support/wav_bytes.h"

namespace fuda {
namespace {

using testing::RecordingMessages;
using testing::RecordingShell;
using testing::VirtualClock;

// Stand-in decoders that "decode" by copying: the compressed files in these
// tests hold WAV bytes. Real decoders are exercised by the integration tests.
constexpr const char* kCopyingLame = "#!/bin/sh\n[ \"$1\" = --decode ] && cp \"$2\" \"$3\"\n";
constexpr const char* kCopyingOggdec = "#!/bin/sh\n[ \"$1\" = -o ] && cp \"$3\" \"$2\"\n";

class VoiceClipSourceTest : public ::testing::Test {
 protected:
  VoiceClipSourceTest() {
    // Blanks, quotes and Japanese in every directory the script names.
    root = base.path() / "読手 it's";
    voiceDir = root / "my voice";
    programDir = root / "prog dir";
    std::filesystem::create_directories(voiceDir / "Mesg");
    std::filesystem::create_directories(programDir);
    install("lame", kCopyingLame);
    install("oggdec", kCopyingOggdec);
  }

  void install(const std::string& name, const std::string& text) {
    testing::writeText(programDir / name, text);
    std::filesystem::permissions(programDir / name, std::filesystem::perms::owner_all);
  }
  void useVoice(ClipFormat format) { voice.set({voiceDir, voiceDir / "Mesg", format}); }
  // A clip that is sound from its first frame to its last: nothing of it is
  // trimmed.
  void putClip(const std::filesystem::path& file, std::size_t frames) {
    putFrames(file, testing::square(frames, 8000));
  }
  void putFrames(const std::filesystem::path& file, const std::vector<std::int16_t>& frames) {
    testing::writeBytes(file, testing::wav16(2, 44100, testing::bytes16(frames, 2)));
  }
  VoiceClipSource source(Language language = Language::English,
                         MissingClipNotice notice = kReaderMissingClip) {
    return VoiceClipSource(voice, {temp.path(), programDir}, shell, clock, messages, language,
                           notice);
  }
  bool tempIsEmpty() const { return std::filesystem::is_empty(temp.path()); }

  testing::TempFolder base;
  testing::TempFolder temp;
  std::filesystem::path root, voiceDir, programDir;
  CurrentVoice voice;
  RecordingShell shell;
  VirtualClock clock;
  RecordingMessages messages;
};

TEST_F(VoiceClipSourceTest, WavClipsAreFoundWithoutRegardToCaseAndNeverDecoded) {
  useVoice(ClipFormat::Wav);
  putClip(voiceDir / "i-001a.wav", 4410);
  putClip(voiceDir / "Mesg" / "ANKI_S.WAV", 2205);
  auto clips = source();
  const ClipRef verse = clips.load(ClipFolder::Verses, "I-001A");
  const ClipRef announcement = clips.load(ClipFolder::Announcements, "anki_s");
  ASSERT_TRUE(verse);
  ASSERT_TRUE(announcement);
  EXPECT_EQ(verse->name, "I-001A");
  EXPECT_DOUBLE_EQ(verse->playingMs, 100.0);
  EXPECT_EQ(announcement->name, "anki_s");
  EXPECT_DOUBLE_EQ(announcement->playingMs, 50.0);
  EXPECT_TRUE(shell.scripts.empty());
  EXPECT_TRUE(tempIsEmpty());  // no script, no marker
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(VoiceClipSourceTest, FolderNamesMatchWithoutRegardToCaseToo) {
  // A voice copied from Windows: "MESG" for "Mesg", and a settings path that
  // spells the voice folder otherwise than the disk does.
  std::filesystem::rename(voiceDir / "Mesg", voiceDir / "MESG");
  putClip(voiceDir / "MESG" / "anki_s.ogg", 2205);
  putClip(voiceDir / "I-001A.WAV", 4410);
  voice.set({root / "MY VOICE", root / "my voice" / "Mesg", ClipFormat::Wav});
  auto clips = source();
  EXPECT_TRUE(clips.load(ClipFolder::Verses, "I-001A"));
  voice.set({root / "MY VOICE", root / "my voice" / "Mesg", ClipFormat::Ogg});
  EXPECT_TRUE(clips.load(ClipFolder::Announcements, "anki_s"));
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(VoiceClipSourceTest, AMissingOrBrokenClipIsReportedWithItsPathInTheBuildsLanguage) {
  useVoice(ClipFormat::Wav);
  testing::writeText(voiceDir / "I-003A.WAV", "RIFF");
  EXPECT_FALSE(source(Language::Japanese).load(ClipFolder::Verses, "I-002A"));
  EXPECT_FALSE(source(Language::English).load(ClipFolder::Verses, "I-003A"));
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].caption, (voiceDir / "I-002A.WAV").string());
  EXPECT_EQ(messages.messages[0].text, "ファイルが開けません");
  EXPECT_EQ(messages.messages[0].owner, MessageOwner::MainWindow);
  EXPECT_EQ(messages.messages[1].caption, (voiceDir / "I-003A.WAV").string());
  EXPECT_EQ(messages.messages[1].text, "File not Found!");
}

TEST_F(VoiceClipSourceTest, TheStandaloneTimersNoticeHasNoOwnerAndItsOwnText) {
  useVoice(ClipFormat::Wav);
  const MissingClipNotice timerNotice{MessageOwner::None, {"ファイルが開けません", "File not found!"}};
  EXPECT_FALSE(source(Language::English, timerNotice).load(ClipFolder::Announcements, "nifun"));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, (voiceDir / "Mesg" / "nifun.WAV").string());
  EXPECT_EQ(messages.messages[0].text, "File not found!");
  EXPECT_EQ(messages.messages[0].owner, MessageOwner::None);
}

TEST_F(VoiceClipSourceTest, CompressedClipsAreDecodedLoadedAndLeaveNothingBehind) {
  putClip(voiceDir / "I-001A.MP3", 4410);
  putClip(voiceDir / "Mesg" / "shiai_s.ogg", 8820);
  useVoice(ClipFormat::Mp3);
  auto clips = source();
  const ClipRef verse = clips.load(ClipFolder::Verses, "I-001A");
  ASSERT_TRUE(verse) << (messages.messages.empty() ? "" : messages.messages[0].caption);
  EXPECT_EQ(verse->name, "I-001A");
  EXPECT_DOUBLE_EQ(verse->playingMs, 100.0);
  EXPECT_TRUE(tempIsEmpty());

  useVoice(ClipFormat::Ogg);
  const ClipRef announcement = clips.load(ClipFolder::Announcements, "shiai_s");
  ASSERT_TRUE(announcement);
  EXPECT_DOUBLE_EQ(announcement->playingMs, 200.0);
  EXPECT_TRUE(tempIsEmpty());

  ASSERT_EQ(shell.scripts.size(), 2u);
  const auto target = [&](const char* name) { return shellQuote((temp.path() / name).string()); };
  EXPECT_NE(shell.scripts[0].find(shellQuote((programDir / "lame").string()) + " '--decode' " +
                                  shellQuote((voiceDir / "I-001A.MP3").string()) + " " +
                                  target("I-001A.WAV")),
            std::string::npos)
      << shell.scripts[0];
  EXPECT_NE(shell.scripts[1].find(shellQuote((programDir / "oggdec").string()) + " '-o' " +
                                  target("shiai_s.WAV") + " " +
                                  shellQuote((voiceDir / "Mesg" / "shiai_s.ogg").string())),
            std::string::npos)
      << shell.scripts[1];
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(VoiceClipSourceTest, ClipsLoseTheSilenceAtTheirEndsUnlessTheSettingsKeepIt) {
  // 50 ms of silence, 100 ms of sound, 25 ms of silence.
  std::vector<std::int16_t> padded(2205, 0);
  const auto sound = testing::square(4410, 8000);
  padded.insert(padded.end(), sound.begin(), sound.end());
  padded.resize(padded.size() + 1102, 0);
  putFrames(voiceDir / "I-001A.WAV", padded);
  putFrames(voiceDir / "I-001A.mp3", padded);
  putFrames(voiceDir / "I-002A.WAV", std::vector<std::int16_t>(4410, 0));
  auto clips = source();
  for (ClipFormat format : {ClipFormat::Wav, ClipFormat::Mp3}) {
    useVoice(format);
    const ClipRef trimmed = clips.load(ClipFolder::Verses, "I-001A");
    ASSERT_TRUE(trimmed);
    EXPECT_DOUBLE_EQ(trimmed->playingMs, 100.0);
  }
  // A clip of silence is there, so nothing is reported; it is played as
  // nothing.
  useVoice(ClipFormat::Wav);
  EXPECT_FALSE(clips.load(ClipFolder::Verses, "I-002A"));
  EXPECT_TRUE(messages.messages.empty());

  clips.setEdgeSilence(EdgeSilence::AsRecorded);
  const ClipRef asRecorded = clips.load(ClipFolder::Verses, "I-001A");
  ASSERT_TRUE(asRecorded);
  EXPECT_DOUBLE_EQ(asRecorded->playingMs, padded.size() * 1000.0 / 44100);
  const ClipRef silent = clips.load(ClipFolder::Verses, "I-002A");
  ASSERT_TRUE(silent);
  EXPECT_DOUBLE_EQ(silent->playingMs, 100.0);
}

TEST_F(VoiceClipSourceTest, AMissingCompressedClipNamesTheVoicesFileAndRunsNothing) {
  useVoice(ClipFormat::Ogg);
  EXPECT_FALSE(source().load(ClipFolder::Verses, "I-007B"));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, (voiceDir / "I-007B.ogg").string());
  EXPECT_TRUE(shell.scripts.empty());
}

TEST_F(VoiceClipSourceTest, AFailedDecodeIsReportedAsTheMissingDecodedFile) {
  install("lame", "#!/bin/sh\nexit 1\n");
  putClip(voiceDir / "I-001A.mp3", 441);
  useVoice(ClipFormat::Mp3);
  EXPECT_FALSE(source().load(ClipFolder::Verses, "I-001A"));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, (temp.path() / "I-001A.WAV").string());
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(VoiceClipSourceTest, AHungDecoderIsReportedAfterTheBound) {
  putClip(voiceDir / "I-001A.mp3", 441);
  useVoice(ClipFormat::Mp3);
  RecordingShell silentShell(RecordingShell::Behaviour::NeverRun);
  VoiceClipSource clips(voice, {temp.path(), programDir}, silentShell, clock, messages,
                        Language::English, kReaderMissingClip, 1000.0);
  EXPECT_FALSE(clips.load(ClipFolder::Verses, "I-001A"));
  EXPECT_GE(clock.nowMs(), 1000.0);
  EXPECT_LT(clock.nowMs(), 1100.0);
  EXPECT_EQ(silentShell.stops, 1);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, (temp.path() / "I-001A.WAV").string());
  EXPECT_TRUE(tempIsEmpty());
}

}  // namespace
}  // namespace fuda
