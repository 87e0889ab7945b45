#include "core/clips/clip_decoder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/fakes/temp_folder.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/fake_shell.h"
#include "tests/support/wav_bytes.h"

namespace fuda {
namespace {

using testing::RecordingShell;
using testing::VirtualClock;

void makeExecutable(const std::filesystem::path& path, const std::string& text) {
  testing::writeText(path, text);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

TEST(ShellQuote, EveryTextBecomesOneLiteralWord) {
  EXPECT_EQ(shellQuote("plain"), "'plain'");
  EXPECT_EQ(shellQuote("two words"), "'two words'");
  EXPECT_EQ(shellQuote("it's"), "'it'\\''s'");
  EXPECT_EQ(shellQuote("$(rm -rf ~) `x` \"q\" \\"), "'$(rm -rf ~) `x` \"q\" \\'");
  EXPECT_EQ(shellQuote("読手 データ"), "'読手 データ'");
  EXPECT_EQ(shellQuote(""), "''");
}

TEST(DecodeScript, Mp3AndOggLinesQuoteEveryPath) {
  const std::filesystem::path program = "/opt/読手 it's/";
  const std::filesystem::path marker = "/tmp/fudayomi-abc/Lock.dat";
  EXPECT_EQ(posixScriptText(decodeSteps(ClipFormat::Mp3, "/opt/読手 it's/lame", program,
                                        "/home/u/my voice/I-001A.mp3",
                                        "/tmp/fudayomi-abc/I-001A.WAV", marker)),
            "cd '/opt/読手 it'\\''s/'\n"
            "'/opt/読手 it'\\''s/lame' '--decode' '/home/u/my voice/I-001A.mp3' "
            "'/tmp/fudayomi-abc/I-001A.WAV'\n"
            "rm -f '/tmp/fudayomi-abc/Lock.dat'\n");
  EXPECT_EQ(posixScriptText(decodeSteps(ClipFormat::Ogg, "oggdec", program, "/v/Mesg/anki_s.ogg",
                                        "/tmp/fudayomi-abc/anki_s.WAV", marker)),
            "cd '/opt/読手 it'\\''s/'\n"
            "'oggdec' '-o' '/tmp/fudayomi-abc/anki_s.WAV' '/v/Mesg/anki_s.ogg'\n"
            "rm -f '/tmp/fudayomi-abc/Lock.dat'\n");
}

TEST(DecodeSteps, RelativePathsBecomeAbsoluteBecauseTheScriptChangesDirectory) {
  const auto steps = decodeSteps(ClipFormat::Mp3, "lame", "opt/p", "data/I-001A.mp3",
                                 "/t/I-001A.WAV", "t/Lock.dat");
  const auto here = std::filesystem::current_path();
  EXPECT_EQ(steps.workingDir, here / "opt/p");
  EXPECT_EQ(steps.arguments,
            (std::vector<std::string>{"--decode", (here / "data/I-001A.mp3").string(),
                                      "/t/I-001A.WAV"}));
  EXPECT_EQ(steps.marker, here / "t/Lock.dat");
}

TEST(DecoderProgram, OurOwnDirectoryFirstThenThePath) {
  testing::TempFolder program;
  RecordingShell shell;
  EXPECT_EQ(decoderProgram(ClipFormat::Mp3, program.path(), shell), "lame");
  EXPECT_EQ(decoderProgram(ClipFormat::Ogg, program.path(), shell), "oggdec");
  testing::writeText(program.path() / "lame", "not executable");
  EXPECT_EQ(decoderProgram(ClipFormat::Mp3, program.path(), shell), "lame");
  makeExecutable(program.path() / "lame", "#!/bin/sh\n");
  makeExecutable(program.path() / "oggdec", "#!/bin/sh\n");
  EXPECT_EQ(decoderProgram(ClipFormat::Mp3, program.path(), shell),
            (program.path() / "lame").string());
  EXPECT_EQ(decoderProgram(ClipFormat::Ogg, program.path(), shell),
            (program.path() / "oggdec").string());
}

class ClipDecoderTest : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  testing::TempFolder program;
  VirtualClock clock;
  std::filesystem::path source() const { return program.path() / "I-001A.mp3"; }
  std::filesystem::path target() const { return temp.path() / "I-001A.WAV"; }
  bool tempIsEmpty() const { return std::filesystem::is_empty(temp.path()); }
};

TEST_F(ClipDecoderTest, TheScriptRunsInTheTempDirWithTheMarkerInPlaceAndBothGoAfterwards) {
  // A stand-in decoder that writes its output, so the whole handshake runs
  // through the real /bin/sh.
  makeExecutable(program.path() / "lame", "#!/bin/sh\necho decoded > \"$3\"\n");
  RecordingShell shell;
  ClipDecoder decoder(temp.path(), program.path(), shell, clock);
  EXPECT_EQ(decoder.decode(ClipFormat::Mp3, source(), target()), DecodeResult::Finished);
  ASSERT_EQ(shell.scripts.size(), 1u);
  EXPECT_EQ(shell.workingDirs[0], temp.path());
  EXPECT_TRUE(shell.markerPresentAtStart[0]);
  EXPECT_EQ(shell.scripts[0],
            posixScriptText(decodeSteps(ClipFormat::Mp3, (program.path() / "lame").string(),
                                        program.path(), source(), target(),
                                        temp.path() / "Lock.dat")));
  EXPECT_DOUBLE_EQ(clock.nowMs(), kDecodePollMs);
  EXPECT_FALSE(std::filesystem::exists(decoder.scriptPath()));
  EXPECT_FALSE(std::filesystem::exists(decoder.markerPath()));
  EXPECT_TRUE(std::filesystem::exists(target()));
  EXPECT_EQ(shell.stops, 0);
}

TEST_F(ClipDecoderTest, ADecoderThatFailsStillEndsTheWaitAndLeavesNoOutput) {
  makeExecutable(program.path() / "oggdec", "#!/bin/sh\nexit 3\n");
  RecordingShell shell;
  ClipDecoder decoder(temp.path(), program.path(), shell, clock);
  EXPECT_EQ(decoder.decode(ClipFormat::Ogg, source(), target()), DecodeResult::Finished);
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(ClipDecoderTest, AScriptThatNeverEndsIsCutOffAfterThirtySeconds) {
  testing::writeText(target(), "left by an earlier decode");
  RecordingShell shell(RecordingShell::Behaviour::NeverRun);
  ClipDecoder decoder(temp.path(), program.path(), shell, clock);
  EXPECT_EQ(decoder.decode(ClipFormat::Mp3, source(), target()), DecodeResult::TimedOut);
  EXPECT_GE(clock.nowMs(), kDecodeTimeoutMs);
  EXPECT_LT(clock.nowMs(), kDecodeTimeoutMs + 2 * kDecodePollMs);
  EXPECT_EQ(shell.stops, 1);
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(ClipDecoderTest, AShellThatCannotStartFailsAtOnce) {
  RecordingShell shell(RecordingShell::Behaviour::FailToStart);
  ClipDecoder decoder(temp.path(), program.path(), shell, clock);
  EXPECT_EQ(decoder.decode(ClipFormat::Mp3, source(), target()), DecodeResult::NotStarted);
  EXPECT_DOUBLE_EQ(clock.nowMs(), 0.0);
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(ClipDecoderTest, ShutdownEndsTheWait) {
  RecordingShell shell(RecordingShell::Behaviour::NeverRun);
  ClipDecoder decoder(temp.path(), program.path(), shell, clock);
  clock.at(500, [&] { clock.shutdown(); });
  EXPECT_EQ(decoder.decode(ClipFormat::Mp3, source(), target()), DecodeResult::Interrupted);
  EXPECT_LE(clock.nowMs(), 500 + kDecodePollMs);
  EXPECT_EQ(shell.stops, 1);
  EXPECT_TRUE(tempIsEmpty());
}

TEST_F(ClipDecoderTest, WithoutATempDirNothingIsWrittenOrRun) {
  RecordingShell shell;
  ClipDecoder decoder({}, program.path(), shell, clock);
  EXPECT_EQ(decoder.decode(ClipFormat::Mp3, source(), target()), DecodeResult::NotStarted);
  EXPECT_TRUE(shell.scripts.empty());
}

}  // namespace
}  // namespace fuda
