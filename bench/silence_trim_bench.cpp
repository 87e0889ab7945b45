// How long trimming the silence off a 10 s clip (44.1 kHz 16-bit stereo)
// takes on the loading thread: a recorded verse with padding and a noise
// floor at both ends, a clip of sound throughout (nothing to cut), and a clip
// of room noise only (every frame looked at). Prints min/median/max over
// 50 runs each; the clip is copied before each run, outside the timing, as
// loading hands over a freshly read one.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/clips/silence_trim.h"
#include "core/clips/wav_clip.h"
#include "tests/support/wav_bytes.h"

namespace {

using namespace fuda;

constexpr int kRuns = 50;
constexpr std::size_t kRate = 44100;
constexpr std::size_t kFrames = 10 * kRate;

// A vowel-like tone between `lead` and `tail` frames of -60 dBFS noise.
SoundClip clipWith(std::size_t lead, std::size_t tail) {
  std::vector<std::int16_t> frames(kFrames);
  std::uint32_t state = 1;
  for (std::size_t i = 0; i < kFrames; ++i) {
    state = state * 1664525u + 1013904223u;
    const int noise = static_cast<int>(state >> 16) % 65 - 32;
    const bool sound = i >= lead && i < kFrames - tail;
    const double tone =
        sound ? 12000.0 * std::sin(2.0 * 3.14159265358979 * 180.0 * i / kRate) : 0.0;
    frames[i] = static_cast<std::int16_t>(std::lround(tone) + noise);
  }
  auto parsed = parseWavClip(testing::wav16(2, kRate, testing::bytes16(frames, 2)));
  return std::move(*parsed.clip);
}

bool report(const char* label, const SoundClip& clip) {
  std::vector<double> times;
  double keptMs = 0.0;
  for (int i = 0; i < kRuns; ++i) {
    SoundClip copy = clip;
    const auto started = std::chrono::steady_clock::now();
    const auto trimmed = trimSilence(std::move(copy));
    times.push_back(std::chrono::duration<double, std::milli>(
                        std::chrono::steady_clock::now() - started)
                        .count());
    keptMs = trimmed ? trimmed->playingMs : 0.0;
  }
  std::sort(times.begin(), times.end());
  const double median = (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2.0;
  std::printf("%-28s %8.3f %8.3f %8.3f %10.1f\n", label, times.front(), median, times.back(),
              keptMs);
  return median < 1.0;
}

}  // namespace

int main() {
  std::printf("trim a 10 s clip (44.1 kHz 16-bit stereo), %d runs, ms\n", kRuns);
  std::printf("%-28s %8s %8s %8s %10s\n", "", "min", "median", "max", "kept ms");
  bool fast = report("verse, 0.7 s / 0.9 s padding", clipWith(kRate * 7 / 10, kRate * 9 / 10));
  fast = report("sound throughout", clipWith(0, 0)) && fast;
  fast = report("room noise only", clipWith(kFrames, 0)) && fast;
  std::printf("median under 1 ms in every case: %s\n", fast ? "yes" : "NO");
  return fast ? 0 : 1;
}
