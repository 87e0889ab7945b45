// The decoder handshake with the real lame, oggdec and /bin/sh.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "adapters/posix/posix_shell.h"
#include "adapters/std/system_clock.h"
#include "core/clips/voice_clip_source.h"
#include "tests/fakes/collected_messages.h"
#include "tests/fakes/temp_folder.h"
#include "tests/support/audio_tools.h"

namespace fuda {
namespace {

using namespace fuda::testing;

// A voice made with the real encoders in folders whose names hold blanks,
// quotes and Japanese.
class RealDecodingTest : public ::testing::Test {
 protected:
  RealDecodingTest() {
    root = base.path() / "読手 \"A\" it's";
    voiceDir = root / "声 データ";
    programDir = root / "プログラム dir";
    std::filesystem::create_directories(voiceDir / "Mesg");
    std::filesystem::create_directories(programDir);
    std::filesystem::create_directories(temp);
  }

  // `name` in `dir` as WAV, MP3 and Ogg, `seconds` long.
  void makeClip(const std::filesystem::path& dir, const std::string& name, double seconds,
                double hz = 440) {
    ASSERT_TRUE(makeTone(dir / (name + ".WAV"), seconds, hz));
    ASSERT_TRUE(encodeMp3(dir / (name + ".WAV"), dir / (name + ".mp3")));
    ASSERT_TRUE(encodeOgg(dir / (name + ".WAV"), dir / (name + ".ogg")));
  }
  VoiceClipSource source(double timeoutMs = kDecodeTimeoutMs) {
    return VoiceClipSource(voice, {temp, programDir}, shell, clock, messages,
                           Language::English, kReaderMissingClip, timeoutMs);
  }
  void useVoice(ClipFormat format) { voice.set({voiceDir, voiceDir / "Mesg", format}); }

  TempFolder base;
  // Our private directory, as odd in its name as the rest.
  std::filesystem::path temp = base / "一時 'tmp'";
  std::filesystem::path root, voiceDir, programDir;
  CurrentVoice voice;
  PosixShell shell;
  SystemClock clock;
  CollectedMessages messages;
};

TEST_F(RealDecodingTest, EachFormatGivesTheSameClipAndLeavesTheTempDirEmpty) {
  makeClip(voiceDir, "I-001A", 0.3);
  makeClip(voiceDir / "Mesg", "anki_s", 0.2);
  auto clips = source();
  for (ClipFormat format : {ClipFormat::Wav, ClipFormat::Mp3, ClipFormat::Ogg}) {
    useVoice(format);
    const ClipRef verse = clips.load(ClipFolder::Verses, "I-001A");
    const ClipRef announcement = clips.load(ClipFolder::Announcements, "anki_s");
    ASSERT_TRUE(verse) << static_cast<int>(format);
    ASSERT_TRUE(announcement) << static_cast<int>(format);
    EXPECT_EQ(verse->format.sampleRate, 44100u);
    EXPECT_EQ(verse->format.channels, 2);
    EXPECT_NEAR(verse->playingMs, 300.0, 0.1) << static_cast<int>(format);
    EXPECT_NEAR(announcement->playingMs, 200.0, 0.1) << static_cast<int>(format);
    EXPECT_TRUE(std::filesystem::is_empty(temp));
  }
  EXPECT_TRUE(messages.captions().empty());
}

TEST_F(RealDecodingTest, AMissingDecoderGivesTheMissingFileMessage) {
  makeClip(voiceDir, "I-001A", 0.1);
  // A PATH with only rm on it: neither lame nor oggdec can be found.
  const std::filesystem::path bin = base.path() / "bin";
  std::filesystem::create_directory(bin);
  std::filesystem::create_symlink(std::filesystem::canonical("/bin/rm"), bin / "rm");
  const std::string savedPath = std::getenv("PATH");
  setenv("PATH", bin.c_str(), 1);
  auto clips = source();
  useVoice(ClipFormat::Mp3);
  const ClipRef mp3 = clips.load(ClipFolder::Verses, "I-001A");
  useVoice(ClipFormat::Ogg);
  const ClipRef ogg = clips.load(ClipFolder::Verses, "I-001A");
  setenv("PATH", savedPath.c_str(), 1);
  EXPECT_FALSE(mp3);
  EXPECT_FALSE(ogg);
  ASSERT_EQ(messages.count(), 2u);
  EXPECT_EQ(messages.captions()[0], (temp / "I-001A.WAV").string());
  EXPECT_EQ(messages.texts()[0], "File not Found!");
  EXPECT_TRUE(std::filesystem::is_empty(temp));
}

bool isGone(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string pidText, command, state;
  if (!(stat >> pidText >> command >> state)) return true;
  return state == "Z" || state == "X";  // ended, waiting for its parent
}

TEST_F(RealDecodingTest, ADecoderThatNeverFinishesIsCutOffByTheBoundAndEnded) {
  makeClip(voiceDir, "I-001A", 0.1);
  // A stand-in in the program directory that hangs.
  testing::writeText(programDir / "lame", "#!/bin/sh\necho $$ > hung.pid\nexec sleep 60\n");
  std::filesystem::permissions(programDir / "lame", std::filesystem::perms::owner_all);
  auto clips = source(300.0);
  useVoice(ClipFormat::Mp3);
  const auto started = std::chrono::steady_clock::now();
  EXPECT_FALSE(clips.load(ClipFolder::Verses, "I-001A"));
  const double tookMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  EXPECT_GE(tookMs, 300.0);
  EXPECT_LT(tookMs, 5000.0);
  ASSERT_EQ(messages.count(), 1u);
  EXPECT_EQ(messages.captions()[0], (temp / "I-001A.WAV").string());

  pid_t hung = 0;
  std::ifstream(programDir / "hung.pid") >> hung;
  ASSERT_GT(hung, 0);
  bool gone = false;
  for (int i = 0; i < 200 && !gone; ++i) {
    gone = isGone(hung);
    if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(gone) << "the hung decoder " << hung << " still runs";
  EXPECT_TRUE(std::filesystem::is_empty(temp));
}

TEST_F(RealDecodingTest, DecodesFromTwoThreadsNeverMixTheirFiles) {
  // A reading step and an announcement decoding at the same time.
  makeClip(voiceDir, "I-001A", 0.2, 440);
  makeClip(voiceDir / "Mesg", "nifun", 0.4, 660);
  useVoice(ClipFormat::Mp3);
  auto clips = source();
  std::vector<double> verseMs, announcementMs;
  std::thread announcer([&] {
    for (int i = 0; i < 4; ++i) {
      const ClipRef clip = clips.load(ClipFolder::Announcements, "nifun");
      announcementMs.push_back(clip ? clip->playingMs : -1.0);
    }
  });
  for (int i = 0; i < 4; ++i) {
    const ClipRef clip = clips.load(ClipFolder::Verses, "I-001A");
    verseMs.push_back(clip ? clip->playingMs : -1.0);
  }
  announcer.join();
  for (double ms : verseMs) EXPECT_NEAR(ms, 200.0, 0.1);
  for (double ms : announcementMs) EXPECT_NEAR(ms, 400.0, 0.1);
  EXPECT_TRUE(messages.captions().empty());
  EXPECT_TRUE(std::filesystem::is_empty(temp));
}

}  // namespace
}  // namespace fuda
