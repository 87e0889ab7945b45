#include "core/clips/silence_trim.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "core/clips/wav_clip.h"

namespace fuda {

namespace {

constexpr std::size_t kCanonicalHeaderBytes = 44;

// One sample layout: whether a sample is sound, and reading a sample as a
// fraction of full scale and writing one back. Little-endian, as in every WAV
// file. Integer samples are compared with the threshold as integers: the scan
// may cover a whole clip and must stay cheap.
struct Unsigned8 {
  static constexpr std::size_t kBytes = 1;
  static constexpr int kLoud = static_cast<int>(kSoundThreshold * 128.0) + 1;
  static bool loud(const std::uint8_t* p) { return std::abs(p[0] - 128) >= kLoud; }
  static double get(const std::uint8_t* p) { return (p[0] - 128) / 128.0; }
  static void put(std::uint8_t* p, double v) {
    p[0] = static_cast<std::uint8_t>(std::clamp<long>(std::lround(v * 128.0) + 128, 0, 255));
  }
};

template <int Bytes>
struct SignedInteger {
  static constexpr std::size_t kBytes = Bytes;
  static constexpr double kScale = static_cast<double>(1ull << (8 * Bytes - 1));
  // The smallest magnitude at or above the threshold, which falls between
  // two whole numbers on every scale.
  static constexpr std::int64_t kLoud = static_cast<std::int64_t>(kSoundThreshold * kScale) + 1;
  static std::int32_t value(const std::uint8_t* p) {
    std::uint32_t raw = 0;
    for (int i = 0; i < Bytes; ++i) raw |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    // Shifted up to the top and back, so the sign bit of any width is the int's own.
    return static_cast<std::int32_t>(raw << (32 - 8 * Bytes)) >> (32 - 8 * Bytes);
  }
  static bool loud(const std::uint8_t* p) {
    const std::int64_t v = value(p);
    return v >= kLoud || v <= -kLoud;
  }
  static double get(const std::uint8_t* p) { return value(p) / kScale; }
  static void put(std::uint8_t* p, double v) {
    const auto scaled = static_cast<std::int64_t>(
        std::clamp<double>(std::llround(v * kScale), -kScale, kScale - 1.0));
    for (int i = 0; i < Bytes; ++i) p[i] = static_cast<std::uint8_t>(scaled >> (8 * i));
  }
};

struct Float32 {
  static constexpr std::size_t kBytes = 4;
  static bool loud(const std::uint8_t* p) { return std::abs(get(p)) >= kSoundThreshold; }
  static double get(const std::uint8_t* p) {
    float v;
    std::memcpy(&v, p, 4);
    return v;
  }
  static void put(std::uint8_t* p, double v) {
    const auto f = static_cast<float>(v);
    std::memcpy(p, &f, 4);
  }
};

// Samples are looked at a block at a time, without a branch inside the
// block, which the compiler turns into vector code.
constexpr std::size_t kScanBlock = 64;

template <class Layout>
bool anyLoud(const std::uint8_t* p, std::size_t count) {
  bool any = false;
  for (std::size_t i = 0; i < count; ++i) any |= Layout::loud(p + i * Layout::kBytes);
  return any;
}

// The first sound sample of `samples`, or `samples` when there is none.
template <class Layout>
std::size_t firstLoud(const std::uint8_t* data, std::size_t samples) {
  std::size_t at = 0;
  while (at < samples) {
    const std::size_t n = std::min(kScanBlock, samples - at);
    if (anyLoud<Layout>(data + at * Layout::kBytes, n)) break;
    at += n;
  }
  while (at < samples && !Layout::loud(data + at * Layout::kBytes)) ++at;
  return at;
}

// One past the last sound sample at or after `from`; `from` when none.
template <class Layout>
std::size_t endOfLoud(const std::uint8_t* data, std::size_t samples, std::size_t from) {
  std::size_t end = samples;
  while (end > from) {
    const std::size_t n = std::min(kScanBlock, end - from);
    if (anyLoud<Layout>(data + (end - n) * Layout::kBytes, n)) break;
    end -= n;
  }
  while (end > from && !Layout::loud(data + (end - 1) * Layout::kBytes)) --end;
  return end;
}

// Scales `count` frames from `first` by a quarter sine that rises (or falls)
// over them. It is steepest next to the cut: a sound at a tenth of full
// scale is back above the threshold within a fifth of a millisecond, so the
// audible edge does not move.
template <class Layout>
void fade(std::uint8_t* data, std::uint16_t channels, std::size_t first, std::size_t count,
          bool rising) {
  for (std::size_t i = 0; i < count; ++i) {
    const double step = rising ? i + 0.5 : count - i - 0.5;
    const double gain = std::sin(std::numbers::pi / 2.0 * step / count);
    std::uint8_t* p = data + (first + i) * channels * Layout::kBytes;
    for (std::uint16_t c = 0; c < channels; ++c, p += Layout::kBytes) {
      Layout::put(p, Layout::get(p) * gain);
    }
  }
}

void put16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The plain 44-byte header: whoever reads the clip's bytes as a file finds
// the trimmed samples and nothing else.
void writeHeader(std::uint8_t* p, const PcmFormat& format, std::uint32_t dataBytes) {
  const auto align = static_cast<std::uint16_t>(frameBytes(format));
  std::memcpy(p, "RIFF", 4);
  put32(p + 4, static_cast<std::uint32_t>(kCanonicalHeaderBytes - 8) + dataBytes +
                   (dataBytes & 1u));
  std::memcpy(p + 8, "WAVEfmt ", 8);
  put32(p + 16, 16);
  put16(p + 20, format.formatTag);
  put16(p + 22, format.channels);
  put32(p + 24, format.sampleRate);
  put32(p + 28, format.sampleRate * align);
  put16(p + 32, align);
  put16(p + 34, format.bitsPerSample);
  std::memcpy(p + 36, "data", 4);
  put32(p + 40, dataBytes);
}

template <class Layout>
std::optional<SoundClip> trimAs(SoundClip clip) {
  const PcmFormat& format = clip.format;
  const std::size_t frameSize = frameBytes(format);
  if (clip.dataOffset > clip.bytes.size()) return clip;
  const std::size_t dataBytes = std::min(clip.dataSize, clip.bytes.size() - clip.dataOffset);
  const std::size_t total = dataBytes / frameSize;
  const std::uint16_t channels = format.channels;
  const std::uint8_t* data = clip.bytes.data() + clip.dataOffset;

  const std::size_t first = firstLoud<Layout>(data, total * channels) / channels;
  const std::size_t end =
      (endOfLoud<Layout>(data, total * channels, first * channels) + channels - 1) / channels;
  const std::size_t kept = end - first;
  const auto fadeFrames = static_cast<std::size_t>(
      std::max(1.0, std::round(kTrimFadeMs * format.sampleRate / 1000.0)));
  if (kept < fadeFrames) return std::nullopt;
  if (first == 0 && end == total) return clip;

  // Moved down behind a fresh header in the same buffer. A file the WAV
  // reader took holds at least a 44-byte header's worth besides its samples,
  // so the kept ones fit and nothing is allocated; a clip made in memory
  // without a header may need room first.
  const std::size_t keptBytes = kept * frameSize;
  const std::size_t fileBytes = kCanonicalHeaderBytes + keptBytes + (keptBytes & 1u);
  if (clip.bytes.size() < fileBytes) clip.bytes.resize(fileBytes);
  std::uint8_t* const base = clip.bytes.data();
  std::uint8_t* const samples = base + kCanonicalHeaderBytes;
  std::memmove(samples, base + clip.dataOffset + first * frameSize, keptBytes);
  const bool cutBoth = first > 0 && end < total;
  const std::size_t fadeLength = std::min(fadeFrames, cutBoth ? kept / 2 : kept);
  if (first > 0) fade<Layout>(samples, channels, 0, fadeLength, true);
  if (end < total) fade<Layout>(samples, channels, kept - fadeLength, fadeLength, false);

  writeHeader(base, format, static_cast<std::uint32_t>(keptBytes));
  clip.bytes.resize(fileBytes);
  if (keptBytes & 1u) clip.bytes.back() = 0;  // RIFF pads chunks to an even length
  clip.dataOffset = kCanonicalHeaderBytes;
  clip.dataSize = keptBytes;
  clip.playingMs = static_cast<double>(keptBytes) * 1000.0 * 8.0 / format.sampleRate /
                   format.channels / format.bitsPerSample;
  return clip;
}

}  // namespace

std::optional<SoundClip> trimSilence(SoundClip clip) {
  // Layouts the WAV reader never gives are left as they are.
  if (frameBytes(clip.format) == 0 || clip.format.sampleRate == 0) return clip;
  if (clip.format.formatTag == 3) return trimAs<Float32>(std::move(clip));
  switch (clip.format.bitsPerSample) {
    case 8:
      return trimAs<Unsigned8>(std::move(clip));
    case 16:
      return trimAs<SignedInteger<2>>(std::move(clip));
    case 24:
      return trimAs<SignedInteger<3>>(std::move(clip));
    case 32:
      return trimAs<SignedInteger<4>>(std::move(clip));
    default:
      return clip;
  }
}

}  // namespace fuda
