#include "adapters/std/pcm_to_s16.h"

#include <gtest/gtest.h>

#include <cstring>

namespace fuda {
namespace {

SoundClip clipOf(PcmFormat format, std::vector<std::uint8_t> samples) {
  SoundClip clip;
  clip.format = format;
  clip.dataOffset = 0;
  clip.dataSize = samples.size();
  clip.bytes = std::move(samples);
  return clip;
}

std::vector<std::int16_t> samplesOf(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::int16_t> out(bytes.size() / 2);
  std::memcpy(out.data(), bytes.data(), out.size() * 2);
  return out;
}

TEST(PcmToS16, ChannelsAndSampleSizes) {
  // 8-bit mono is spread to both sides.
  EXPECT_EQ(samplesOf(pcmToS16(clipOf({1, 1, 8000, 8}, {128, 192, 0}), 2, 8000)),
            (std::vector<std::int16_t>{0, 0, 16384, 16384, -32768, -32768}));
  // 24-bit stereo to mono is the mean of the two sides.
  EXPECT_EQ(samplesOf(pcmToS16(clipOf({1, 2, 8000, 24}, {0, 0, 0x40, 0, 0, 0}), 1, 8000)),
            (std::vector<std::int16_t>{8192}));
  // Float beyond full scale is held at it.
  const float loud[] = {2.0f, -0.5f};
  std::vector<std::uint8_t> floatBytes(sizeof loud);
  std::memcpy(floatBytes.data(), loud, sizeof loud);
  EXPECT_EQ(samplesOf(pcmToS16(clipOf({3, 1, 8000, 32}, floatBytes), 1, 8000)),
            (std::vector<std::int16_t>{32767, -16384}));
  // 12-bit samples cannot be read.
  EXPECT_TRUE(pcmToS16(clipOf({1, 1, 8000, 12}, {0, 0, 0}), 1, 8000).empty());
}

TEST(PcmToS16, RateChangeKeepsTheLengthAndInterpolates) {
  // 16-bit 22050 Hz to 44100 Hz: twice the frames, the new ones between.
  const auto out = samplesOf(pcmToS16(clipOf({1, 1, 22050, 16}, {0, 0, 0x00, 0x10}), 1, 44100));
  EXPECT_EQ(out, (std::vector<std::int16_t>{0, 2048, 4096, 4096}));
  // A second's worth stays a second long.
  const auto second = pcmToS16(clipOf({1, 1, 22050, 16}, std::vector<std::uint8_t>(44100)), 2, 44100);
  EXPECT_EQ(second.size(), 44100u * 4);
}

}  // namespace
}  // namespace fuda
