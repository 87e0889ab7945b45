#include "voicegen/clip_shaping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fuda {

namespace {

constexpr double kFullScale = 32768.0;

// A whisper of the synthesiser's own noise must not count as the voice.
constexpr int kAbsoluteFloor = 8;

double fromDb(double db) { return std::pow(10.0, db / 20.0); }

}  // namespace

std::optional<SoundSpan> findSound(const MonoPcm& pcm) {
  int peak = 0;
  for (const std::int16_t s : pcm.samples) peak = std::max(peak, std::abs(int{s}));
  const int threshold = std::max(
      kAbsoluteFloor,
      static_cast<int>(std::lround(peak * fromDb(-kSilenceBelowPeakDb))));
  if (peak < threshold) return std::nullopt;
  const auto loud = [threshold](std::int16_t s) {
    return std::abs(int{s}) >= threshold;
  };
  const auto first = std::find_if(pcm.samples.begin(), pcm.samples.end(), loud);
  const auto last = std::find_if(pcm.samples.rbegin(), pcm.samples.rend(), loud);
  return SoundSpan{static_cast<std::size_t>(first - pcm.samples.begin()),
                   static_cast<std::size_t>(pcm.samples.rend() - last)};
}

void removeOffset(MonoPcm& pcm) {
  if (pcm.sampleRate == 0) return;
  // A one-pole high-pass, its corner at about 20 Hz.
  const double pole = std::exp(-2.0 * 3.141592653589793 * 20.0 / pcm.sampleRate);
  double previousIn = 0.0;
  double previousOut = 0.0;
  for (std::int16_t& s : pcm.samples) {
    const double out = s - previousIn + pole * previousOut;
    previousIn = s;
    previousOut = out;
    s = static_cast<std::int16_t>(std::clamp(std::lround(out), -32768L, 32767L));
  }
}

bool trimSilence(MonoPcm& pcm) {
  const auto sound = findSound(pcm);
  if (!sound) return false;
  const std::size_t margin =
      static_cast<std::size_t>(pcm.sampleRate) * kEdgeMarginMs / 1000;
  std::vector<std::int16_t> out(margin + (sound->end - sound->begin) + margin, 0);
  // Copy what lies within the margins of the sound; where the clip had less
  // silence than the margin, the zeros of `out` pad it.
  const std::size_t from = sound->begin > margin ? sound->begin - margin : 0;
  const std::size_t to = std::min(pcm.samples.size(), sound->end + margin);
  std::copy(pcm.samples.begin() + from, pcm.samples.begin() + to,
            out.begin() + (margin - (sound->begin - from)));
  for (std::size_t i = 0; i < margin; ++i) {
    const double gain = static_cast<double>(i) / margin;
    out[i] = static_cast<std::int16_t>(std::lround(out[i] * gain));
    out[out.size() - 1 - i] =
        static_cast<std::int16_t>(std::lround(out[out.size() - 1 - i] * gain));
  }
  pcm.samples = std::move(out);
  return true;
}

double rmsDbfs(const MonoPcm& pcm, std::size_t begin, std::size_t end) {
  end = std::min(end, pcm.samples.size());
  if (begin >= end) return -INFINITY;
  double sum = 0.0;
  for (std::size_t i = begin; i < end; ++i) {
    const double s = pcm.samples[i];
    sum += s * s;
  }
  return 20.0 * std::log10(std::sqrt(sum / (end - begin)) / kFullScale);
}

void normaliseLevel(MonoPcm& pcm) {
  const auto sound = findSound(pcm);
  if (!sound) return;
  const double rms = rmsDbfs(pcm, sound->begin, sound->end);
  int peak = 0;
  for (const std::int16_t s : pcm.samples) peak = std::max(peak, std::abs(int{s}));
  const double byLoudness = fromDb(kTargetRmsDbfs - rms);
  const double byPeak = fromDb(kPeakCeilingDbfs) * kFullScale / peak;
  const double gain = std::min(byLoudness, byPeak);
  for (std::int16_t& s : pcm.samples) {
    const long scaled = std::lround(s * gain);
    s = static_cast<std::int16_t>(std::clamp(scaled, -32768L, 32767L));
  }
}

}  // namespace fuda
