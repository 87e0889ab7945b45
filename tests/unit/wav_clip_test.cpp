#include "core/clips/wav_clip.h"

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"
#include "tests/support/wav_bytes.h"

namespace fuda {
namespace {

using testing::WavBuilder;

std::vector<std::uint8_t> zeros(std::size_t n) { return std::vector<std::uint8_t>(n, 0); }

TEST(WavClip, CanonicalStereoClipOfFourBytesPerFrameLastsOneSecond) {
  const auto parsed = parseWavClip(WavBuilder().format(1, 2, 44100, 16).data(zeros(4 * 44100)).bytes());
  ASSERT_TRUE(parsed.clip);
  EXPECT_EQ(parsed.problem, WavProblem::None);
  EXPECT_DOUBLE_EQ(parsed.clip->playingMs, 1000.0);
  EXPECT_EQ(parsed.clip->dataOffset, 44u);
  EXPECT_EQ(parsed.clip->dataSize, 4u * 44100);
  EXPECT_EQ(parsed.clip->format.channels, 2);
  EXPECT_EQ(parsed.clip->format.sampleRate, 44100u);
  EXPECT_EQ(parsed.clip->format.bitsPerSample, 16);
  EXPECT_EQ(parsed.clip->bytes.size(), 44u + 4 * 44100);
}

TEST(WavClip, DataThatIsNoWholeMultipleGivesAFractionalTime) {
  const auto stereo = parseWavClip(WavBuilder().format(1, 2, 44100, 16).data(zeros(4 * 44100 + 2)).bytes());
  ASSERT_TRUE(stereo.clip);
  EXPECT_DOUBLE_EQ(stereo.clip->playingMs, (4.0 * 44100 + 2) * 1000.0 * 8.0 / 44100 / 2 / 16);
  EXPECT_GT(stereo.clip->playingMs, 1000.0);

  const auto mono8 = parseWavClip(WavBuilder().format(1, 1, 8000, 8).data(zeros(1001)).bytes());
  ASSERT_TRUE(mono8.clip);
  EXPECT_DOUBLE_EQ(mono8.clip->playingMs, 125.125);
}

TEST(WavClip, ChunksBeforeAndBetweenAreWalkedPast) {
  // An editor's file: LIST before "fmt ", an odd-sized chunk (with its pad
  // byte) and a fact chunk before "data". Fixed offsets would read the LIST
  // chunk as the format and give a wrong time.
  const auto bytes = WavBuilder()
                         .chunk("LIST", std::vector<std::uint8_t>(26, 'x'))
                         .format(1, 1, 22050, 16)
                         .chunk("junk", std::vector<std::uint8_t>(3, 7))
                         .chunk("fact", {0x22, 0x56, 0, 0})
                         .data(zeros(2 * 22050 / 2))
                         .bytes();
  const auto parsed = parseWavClip(bytes);
  ASSERT_TRUE(parsed.clip);
  EXPECT_DOUBLE_EQ(parsed.clip->playingMs, 500.0);
  EXPECT_EQ(parsed.clip->dataOffset, 12u + (8 + 26) + (8 + 16) + (8 + 4) + (8 + 4) + 8);
  EXPECT_EQ(parsed.clip->format.sampleRate, 22050u);
}

TEST(WavClip, ADataSizeBeyondTheFileCountsOnlyWhatIsThere) {
  // Streaming writers leave the size at its largest value.
  const auto parsed = parseWavClip(
      WavBuilder().format(1, 2, 44100, 16).dataDeclared(0xFFFFFFFFu, zeros(4 * 441)).bytes());
  ASSERT_TRUE(parsed.clip);
  EXPECT_EQ(parsed.clip->dataSize, 4u * 441);
  EXPECT_DOUBLE_EQ(parsed.clip->playingMs, 10.0);
}

TEST(WavClip, ExtensibleAndFloatFormatsAreAccepted) {
  std::vector<std::uint8_t> extensible = {0xFE, 0xFF, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0,
                                          4,    0,    16, 0, 22, 0, 16, 0, 3, 0, 0, 0,
                                          1,    0,    0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA,
                                          0,    0x38, 0x9B, 0x71};
  const auto pcm = parseWavClip(WavBuilder().chunk("fmt ", extensible).data(zeros(400)).bytes());
  ASSERT_TRUE(pcm.clip);
  EXPECT_EQ(pcm.clip->format.formatTag, 1);
  EXPECT_EQ(pcm.clip->format.channels, 2);

  const auto floats = parseWavClip(WavBuilder().format(3, 1, 48000, 32).data(zeros(4 * 480)).bytes());
  ASSERT_TRUE(floats.clip);
  EXPECT_EQ(floats.clip->format.formatTag, 3);
  EXPECT_DOUBLE_EQ(floats.clip->playingMs, 10.0);
}

struct BrokenCase {
  const char* what;
  std::vector<std::uint8_t> bytes;
  WavProblem problem;
};

TEST(WavClip, UnusableFilesGiveNoClipAndNeverDivideByZero) {
  const auto good = WavBuilder().format(1, 2, 44100, 16).data(zeros(16)).bytes();
  auto truncated = good;
  truncated.resize(30);  // the format chunk is cut off
  auto notWave = good;
  notWave[8] = 'A';
  const std::vector<BrokenCase> cases = {
      {"empty", {}, WavProblem::TooShort},
      {"eleven bytes", std::vector<std::uint8_t>(good.begin(), good.begin() + 11), WavProblem::TooShort},
      {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 12), WavProblem::NoFormat},
      {"cut in the format", truncated, WavProblem::NoFormat},
      {"not WAVE", notWave, WavProblem::NotRiffWave},
      {"zero rate", WavBuilder().format(1, 2, 0, 16).data(zeros(16)).bytes(), WavProblem::ZeroField},
      {"zero channels", WavBuilder().format(1, 0, 44100, 16).data(zeros(16)).bytes(), WavProblem::ZeroField},
      {"zero bits", WavBuilder().format(1, 2, 44100, 0).data(zeros(16)).bytes(), WavProblem::ZeroField},
      {"ADPCM", WavBuilder().format(2, 1, 22050, 4).data(zeros(16)).bytes(), WavProblem::NotPcm},
      {"MP3 in WAV", WavBuilder().format(0x55, 2, 44100, 0).data(zeros(16)).bytes(), WavProblem::ZeroField},
      {"12-bit PCM", WavBuilder().format(1, 1, 8000, 12).data(zeros(16)).bytes(), WavProblem::NotPcm},
      {"64-bit float", WavBuilder().format(3, 1, 8000, 64).data(zeros(16)).bytes(), WavProblem::NotPcm},
      {"no data", WavBuilder().format(1, 2, 44100, 16).bytes(), WavProblem::NoData},
  };
  for (const auto& c : cases) {
    const auto parsed = parseWavClip(c.bytes);
    EXPECT_FALSE(parsed.clip) << c.what;
    EXPECT_EQ(parsed.problem, c.problem) << c.what;
  }
}

TEST(WavClip, FilesThatCannotBeReadGiveNoClip) {
  testing::TempFolder dir;
  EXPECT_EQ(loadWavFile(dir.path() / "none.wav").problem, WavProblem::Unreadable);
  EXPECT_EQ(loadWavFile(dir.path()).problem, WavProblem::Unreadable);
  const auto bytes = testing::wav16(1, 8000, testing::sine16(80, 1, 8000, 440));
  testing::writeBytes(dir.path() / "tone.wav", bytes);
  const auto loaded = loadWavFile(dir.path() / "tone.wav");
  ASSERT_TRUE(loaded.clip);
  EXPECT_EQ(loaded.clip->bytes, bytes);
  EXPECT_DOUBLE_EQ(loaded.clip->playingMs, 10.0);
}

}  // namespace
}  // namespace fuda
