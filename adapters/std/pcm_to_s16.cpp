#include "adapters/std/pcm_to_s16.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/clips/wav_clip.h"

namespace fuda {

namespace {

// One sample at `p` as a level from -1 to 1; little-endian as in a WAV file.
float level(const std::uint8_t* p, const PcmFormat& format) {
  switch (format.bitsPerSample) {
    case 8:
      return (static_cast<float>(p[0]) - 128.0f) / 128.0f;
    case 16:
      return static_cast<float>(static_cast<std::int16_t>(p[0] | p[1] << 8)) / 32768.0f;
    case 24:
      return static_cast<float>(static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) << 8 |
                                                          static_cast<std::uint32_t>(p[1]) << 16 |
                                                          static_cast<std::uint32_t>(p[2]) << 24)) /
             2147483648.0f;
    default: {
      std::uint32_t bits = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                           static_cast<std::uint32_t>(p[2]) << 16 |
                           static_cast<std::uint32_t>(p[3]) << 24;
      if (format.formatTag == 3) {
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? value : 0.0f;
      }
      return static_cast<float>(static_cast<std::int32_t>(bits)) / 2147483648.0f;
    }
  }
}

std::int16_t sample16(float level) {
  return static_cast<std::int16_t>(std::lround(std::clamp(level, -1.0f, 32767.0f / 32768.0f) * 32768.0f));
}

}  // namespace

std::vector<std::uint8_t> pcmToS16(const SoundClip& clip, std::uint16_t channels,
                                   std::uint32_t sampleRate) {
  const PcmFormat& in = clip.format;
  const bool readable = (in.formatTag == 1 && (in.bitsPerSample == 8 || in.bitsPerSample == 16 ||
                                               in.bitsPerSample == 24 || in.bitsPerSample == 32)) ||
                        (in.formatTag == 3 && in.bitsPerSample == 32);
  const std::size_t frameSize = frameBytes(in);
  if (!readable || in.channels == 0 || in.sampleRate == 0 || channels == 0 || sampleRate == 0 ||
      frameSize == 0 || clip.dataOffset > clip.bytes.size()) {
    return {};
  }
  const std::size_t inFrames =
      std::min(clip.dataSize, clip.bytes.size() - clip.dataOffset) / frameSize;
  const std::uint8_t* data = clip.bytes.data() + clip.dataOffset;
  const std::size_t sampleSize = in.bitsPerSample / 8;

  // The levels of the output's channels at input frame `frame`.
  auto side = [&](std::size_t frame, std::uint16_t channel) {
    const std::uint8_t* p = data + frame * frameSize;
    if (in.channels == 1) return level(p, in);
    if (channels == 1) return (level(p, in) + level(p + sampleSize, in)) / 2.0f;
    return level(p + std::min<std::size_t>(channel, in.channels - 1) * sampleSize, in);
  };

  const auto outFrames = static_cast<std::size_t>(
      std::llround(static_cast<double>(inFrames) * sampleRate / in.sampleRate));
  std::vector<std::uint8_t> out(outFrames * channels * 2);
  for (std::size_t i = 0; i < outFrames; ++i) {
    const double position = static_cast<double>(i) * in.sampleRate / sampleRate;
    const auto before = std::min(static_cast<std::size_t>(position), inFrames - 1);
    const std::size_t after = std::min(before + 1, inFrames - 1);
    const auto weight = static_cast<float>(position - static_cast<double>(before));
    for (std::uint16_t channel = 0; channel < channels; ++channel) {
      const float value =
          side(before, channel) * (1.0f - weight) + side(after, channel) * weight;
      const std::int16_t s = sample16(value);
      const std::size_t at = (i * channels + channel) * 2;
      out[at] = static_cast<std::uint8_t>(s & 0xff);
      out[at + 1] = static_cast<std::uint8_t>((s >> 8) & 0xff);
    }
  }
  return out;
}

}  // namespace fuda
