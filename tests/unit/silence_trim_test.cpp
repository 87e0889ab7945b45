#include "core/clips/silence_trim.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/clips/wav_clip.h"
#include "tests/support/audio_tools.h"
#include "tests/support/wav_bytes.h"

namespace fuda {
namespace {

using testing::bytes16;
using testing::clipSamples16;
using testing::square;
using testing::WavBuilder;

constexpr std::uint32_t kRate = 44100;
constexpr std::size_t kFadeFrames = 132;  // 3 ms at 44.1 kHz
// The quietest 16-bit sample that is sound, and the loudest that is not.
constexpr std::int16_t kQuietestSound = 328;
constexpr std::int16_t kLoudestSilence = 327;

std::vector<std::int16_t> operator+(std::vector<std::int16_t> a, const std::vector<std::int16_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<std::int16_t> silence(std::size_t frames) { return std::vector<std::int16_t>(frames, 0); }

// Room noise that never reaches `peak`.
std::vector<std::int16_t> noise(std::size_t frames, std::int16_t peak) {
  std::vector<std::int16_t> out(frames);
  std::uint32_t state = 12345;
  for (auto& v : out) {
    state = state * 1664525u + 1013904223u;
    v = static_cast<std::int16_t>(static_cast<int>(state >> 16) % (2 * peak + 1) - peak);
  }
  return out;
}

SoundClip clipOf(const std::vector<std::uint8_t>& file) {
  auto parsed = parseWavClip(file);
  EXPECT_TRUE(parsed.clip);
  return std::move(*parsed.clip);
}

SoundClip monoClip(const std::vector<std::int16_t>& frames) {
  return clipOf(testing::wav16(1, kRate, bytes16(frames)));
}

TEST(SilenceTrim, OnlyWhatLiesBelowTheThresholdGoesAndTheFileStaysWhole) {
  // An editor's file, with a chunk before the samples. A single sample at the
  // threshold counts as sound at either end.
  const auto sound = std::vector<std::int16_t>{kQuietestSound} + square(2000, 5000) +
                     std::vector<std::int16_t>{-kQuietestSound};
  const auto frames = noise(400, kLoudestSilence) + sound + noise(300, kLoudestSilence);
  std::vector<std::uint8_t> list(26, 'x');
  const auto trimmed = trimSilence(clipOf(
      WavBuilder().chunk("LIST", list).format(1, 1, kRate, 16).data(bytes16(frames)).bytes()));
  ASSERT_TRUE(trimmed);
  EXPECT_DOUBLE_EQ(trimmed->playingMs, sound.size() * 1000.0 / kRate);
  const auto kept = clipSamples16(*trimmed);
  ASSERT_EQ(kept.size(), sound.size());
  // Between the fades, the sound is untouched.
  EXPECT_TRUE(std::equal(kept.begin() + kFadeFrames, kept.end() - kFadeFrames,
                         sound.begin() + kFadeFrames));

  // The bytes are a WAV file of just the trimmed clip.
  const auto again = parseWavClip(trimmed->bytes);
  ASSERT_TRUE(again.clip);
  EXPECT_EQ(again.clip->dataOffset, trimmed->dataOffset);
  EXPECT_EQ(again.clip->dataSize, trimmed->dataSize);
  EXPECT_EQ(again.clip->bytes.size(), 44u + sound.size() * 2);
  EXPECT_DOUBLE_EQ(again.clip->playingMs, trimmed->playingMs);
}

TEST(SilenceTrim, EachCutIsFadedOverThreeMillisecondsAndOnlyWhereItWasCut) {
  const std::int16_t level = 10000;
  const auto both = trimSilence(monoClip(silence(1000) + square(4000, level) + silence(1000)));
  ASSERT_TRUE(both);
  const auto kept = clipSamples16(*both);
  ASSERT_EQ(kept.size(), 4000u);
  const auto gain = [&](std::size_t i) { return std::abs(kept[i]) / double(level); };
  // Steepest next to the cut: a tenth of the level within a fifth of a ms.
  EXPECT_LT(gain(0), 0.01);
  EXPECT_GT(gain(8), 0.1);
  for (std::size_t i = 1; i < kFadeFrames; ++i) {
    EXPECT_GE(gain(i), gain(i - 1)) << i;
    EXPECT_GE(gain(kept.size() - 1 - i), gain(kept.size() - i)) << i;
  }
  EXPECT_LT(gain(kFadeFrames / 2), 0.9);
  EXPECT_EQ(gain(kFadeFrames), 1.0);
  EXPECT_EQ(gain(kept.size() - 1 - kFadeFrames), 1.0);
  EXPECT_LT(gain(kept.size() - 1), 0.01);

  // A clip that starts with its sound keeps its first samples as they were.
  const auto sound = square(4000, level);
  const auto endOnly = trimSilence(monoClip(sound + silence(500)));
  ASSERT_TRUE(endOnly);
  const auto endKept = clipSamples16(*endOnly);
  ASSERT_EQ(endKept.size(), 4000u);
  EXPECT_TRUE(std::equal(endKept.begin(), endKept.end() - kFadeFrames, sound.begin()));
  EXPECT_LT(std::abs(endKept.back()), 100);
}

TEST(SilenceTrim, AClipWithNoSilenceComesBackAsItWas) {
  const auto file = testing::wav16(2, kRate, bytes16(square(3000, 400), 2));
  const auto trimmed = trimSilence(clipOf(file));
  ASSERT_TRUE(trimmed);
  EXPECT_EQ(trimmed->bytes, file);
  EXPECT_DOUBLE_EQ(trimmed->playingMs, 3000 * 1000.0 / kRate);
}

TEST(SilenceTrim, AClipWithoutSoundOrWithLessThanOneFadeOfItIsNothing) {
  EXPECT_FALSE(trimSilence(monoClip(silence(44100))));
  EXPECT_FALSE(trimSilence(monoClip(noise(44100, kLoudestSilence))));
  EXPECT_FALSE(trimSilence(monoClip({})));
  EXPECT_FALSE(trimSilence(monoClip(silence(500) + square(kFadeFrames - 1, 20000) + silence(500))));
  EXPECT_FALSE(trimSilence(monoClip(square(kFadeFrames - 1, 20000))));
  EXPECT_TRUE(trimSilence(monoClip(silence(500) + square(kFadeFrames, 20000) + silence(500))));
}

TEST(SilenceTrim, AHeldVowelFadingOutIsKeptUntilItFallsBelowTheThreshold) {
  // A 220 Hz vowel at half scale dying away by 30 dB a second, then silence.
  std::vector<std::int16_t> vowel;
  for (std::size_t i = 0; i < 3 * kRate; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double level = 0.5 * std::pow(10.0, -1.5 * t);
    vowel.push_back(static_cast<std::int16_t>(
        std::lround(32767.0 * level * std::sin(2 * 3.14159265358979 * 220.0 * t + 1.0))));
  }
  const auto trimmed = trimSilence(monoClip(vowel + silence(22050)));
  ASSERT_TRUE(trimmed);
  // Half scale falls to a hundredth after log10(50) / 1.5 s; the last
  // period's peak may fall short of it by one period.
  const double belowMs = std::log10(50.0) / 1.5 * 1000.0;
  EXPECT_LE(trimmed->playingMs, belowMs + 0.1);
  EXPECT_GE(trimmed->playingMs, belowMs - 1000.0 / 220.0);
}

TEST(SilenceTrim, TheThresholdIsTheSameShareOfFullScaleInEveryLayout) {
  // 1000 frames at 0.015 of full scale between 1000 frames at 0.006 on each
  // side (levels that 8-bit samples, in steps of 1/128, still tell apart);
  // in the stereo files only the right channel carries anything.
  const auto level = [](std::size_t i) { return i >= 1000 && i < 2000 ? 0.015 : 0.006; };
  struct Layout {
    std::uint16_t tag, bits, channels;
  };
  for (const Layout layout : {Layout{1, 8, 1}, Layout{1, 16, 2}, Layout{1, 24, 1},
                              Layout{1, 32, 2}, Layout{3, 32, 1}}) {
    std::vector<std::uint8_t> data;
    for (std::size_t i = 0; i < 3000; ++i) {
      const double v = (i % 2 == 0 ? 1 : -1) * level(i);
      for (std::uint16_t c = 0; c < layout.channels; ++c) {
        const double s = c + 1 == layout.channels ? v : 0.0;
        if (layout.tag == 3) {
          const float f = static_cast<float>(s);
          std::uint8_t b[4];
          std::memcpy(b, &f, 4);
          data.insert(data.end(), b, b + 4);
        } else if (layout.bits == 8) {
          data.push_back(static_cast<std::uint8_t>(128 + std::lround(s * 128)));
        } else {
          const auto full = std::llround(s * static_cast<double>(1ll << (layout.bits - 1)));
          for (int k = 0; k < layout.bits / 8; ++k)
            data.push_back(static_cast<std::uint8_t>(full >> (8 * k)));
        }
      }
    }
    const auto trimmed = trimSilence(clipOf(
        WavBuilder().format(layout.tag, layout.channels, kRate, layout.bits).data(data).bytes()));
    ASSERT_TRUE(trimmed) << layout.bits;
    EXPECT_EQ(trimmed->dataSize, 1000u * layout.channels * layout.bits / 8) << layout.bits;
  }
}

}  // namespace
}  // namespace fuda
