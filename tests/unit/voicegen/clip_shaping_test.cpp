#include "voicegen/clip_shaping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "voicegen/pcm_wav.h"

namespace fuda {
namespace {

constexpr std::uint32_t kRate = 22050;

std::size_t samplesIn(int ms) { return static_cast<std::size_t>(kRate) * ms / 1000; }

// `leadMs` of silence, `toneMs` of a 440 Hz tone at `amplitude`, `tailMs` of
// silence.
MonoPcm toneClip(int leadMs, int toneMs, int tailMs, double amplitude) {
  MonoPcm pcm;
  pcm.sampleRate = kRate;
  pcm.samples.assign(samplesIn(leadMs), 0);
  for (std::size_t i = 0; i < samplesIn(toneMs); ++i) {
    pcm.samples.push_back(static_cast<std::int16_t>(
        std::lround(amplitude * 32767 * std::sin(2 * std::numbers::pi * 440.0 * i / kRate))));
  }
  pcm.samples.resize(pcm.samples.size() + samplesIn(tailMs), 0);
  return pcm;
}

TEST(PcmWav, WritesTheCanonicalHeaderAndReadsItBack) {
  const MonoPcm pcm = toneClip(10, 100, 10, 0.5);
  const std::vector<std::uint8_t> bytes = pcmWavBytes(pcm);
  ASSERT_EQ(bytes.size(), 44 + 2 * pcm.samples.size());
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 40), "data");
  const auto le32 = [&](std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24;
  };
  EXPECT_EQ(le32(24), static_cast<int>(kRate));
  EXPECT_EQ(le32(40), static_cast<int>(2 * pcm.samples.size()));
  const PcmReading back = readPcmWav(bytes);
  ASSERT_TRUE(back.pcm) << back.error;
  EXPECT_EQ(back.pcm->sampleRate, kRate);
  EXPECT_EQ(back.pcm->samples, pcm.samples);
}

TEST(PcmWav, WalksChunksMixesStereoAndCutsAnOverlongDataSize) {
  std::vector<std::uint8_t> bytes = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                                     'L', 'I', 'S', 'T', 3, 0, 0, 0, 'x', 'y', 'z', 0,
                                     'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 2, 0,
                                     0x22, 0x56, 0, 0, 0x88, 0x58, 1, 0, 4, 0, 16, 0,
                                     'd', 'a', 't', 'a', 0xFF, 0xFF, 0xFF, 0x7F};
  for (const std::int16_t s : {100, 300, -200, -400}) {
    bytes.push_back(static_cast<std::uint8_t>(s));
    bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(s) >> 8));
  }
  const PcmReading reading = readPcmWav(bytes);
  ASSERT_TRUE(reading.pcm) << reading.error;
  EXPECT_EQ(reading.pcm->sampleRate, 22050u);
  EXPECT_EQ(reading.pcm->samples, (std::vector<std::int16_t>{200, -300}));
}

TEST(PcmWav, RefusesWhatIsNotSixteenBitPcm) {
  MonoPcm pcm = toneClip(0, 10, 0, 0.5);
  std::vector<std::uint8_t> bytes = pcmWavBytes(pcm);
  bytes[34] = 8;  // 8-bit samples
  EXPECT_FALSE(readPcmWav(bytes).pcm);
  EXPECT_FALSE(readPcmWav({'R', 'I', 'F', 'F'}).pcm);
  EXPECT_FALSE(readPcmWav({}).pcm);
}

TEST(RemoveOffset, TakesOutAConstantAndKeepsTheVoice) {
  MonoPcm pcm = toneClip(0, 1000, 0, 0.3);
  const double before = rmsDbfs(pcm, samplesIn(500), samplesIn(1000));
  for (std::int16_t& s : pcm.samples) s = static_cast<std::int16_t>(s + 2000);
  removeOffset(pcm);
  long sum = 0;
  for (std::size_t i = samplesIn(500); i < samplesIn(1000); ++i) sum += pcm.samples[i];
  EXPECT_NEAR(static_cast<double>(sum) / samplesIn(500), 0.0, 20.0);
  EXPECT_NEAR(rmsDbfs(pcm, samplesIn(500), samplesIn(1000)), before, 0.2);
}

TEST(TrimSilence, LeavesTheSameMarginWhateverTheClipHad) {
  const std::size_t margin = samplesIn(kEdgeMarginMs);
  for (const auto& [lead, tail] : {std::pair{500, 900}, std::pair{0, 0},
                                   std::pair{20, 60}}) {
    MonoPcm pcm = toneClip(lead, 1000, tail, 0.3);
    ASSERT_TRUE(trimSilence(pcm));
    const auto sound = findSound(pcm);
    ASSERT_TRUE(sound);
    EXPECT_NEAR(static_cast<double>(sound->begin), static_cast<double>(margin),
                samplesIn(2))
        << lead;
    EXPECT_NEAR(static_cast<double>(pcm.samples.size() - sound->end),
                static_cast<double>(margin), samplesIn(2))
        << tail;
    EXPECT_NEAR(pcm.seconds(), 1.0 + 2 * kEdgeMarginMs / 1000.0, 0.005);
  }
}

TEST(TrimSilence, SilenceOnlyIsRefusedAndKept) {
  MonoPcm pcm = toneClip(300, 0, 0, 0.0);
  EXPECT_FALSE(trimSilence(pcm));
  EXPECT_EQ(pcm.samples.size(), samplesIn(300));
}

TEST(NormaliseLevel, QuietAndLoudClipsEndAtTheSameLoudness) {
  for (const double amplitude : {0.02, 0.2, 0.3}) {
    MonoPcm pcm = toneClip(50, 500, 50, amplitude);
    normaliseLevel(pcm);
    const auto sound = findSound(pcm);
    ASSERT_TRUE(sound);
    EXPECT_NEAR(rmsDbfs(pcm, sound->begin, sound->end), kTargetRmsDbfs, 0.2)
        << amplitude;
  }
}

TEST(NormaliseLevel, PeaksStayUnderTheCeiling) {
  // A click on a quiet bed: lifting the bed to the loudness would clip it.
  MonoPcm pcm = toneClip(50, 500, 50, 0.01);
  pcm.samples[samplesIn(200)] = 30000;
  normaliseLevel(pcm);
  int peak = 0;
  for (const std::int16_t s : pcm.samples) peak = std::max(peak, std::abs(int{s}));
  EXPECT_NEAR(20 * std::log10(peak / 32768.0), kPeakCeilingDbfs, 0.05);
}

}  // namespace
}  // namespace fuda
