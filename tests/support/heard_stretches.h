#pragma once
// The stretches of a 16-bit stereo stream that a listener hears: frames whose
// left channel reaches `level`, those closer than a millisecond merged.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace fuda::testing {

struct Heard {
  std::size_t first, end;  // frames
  int peak;
};

inline std::vector<Heard> heardStretches(const std::vector<std::int16_t>& samples, int level,
                                         std::size_t rate) {
  std::vector<Heard> heard;
  for (std::size_t f = 0; f < samples.size() / 2; ++f) {
    const int sample = std::abs(samples[2 * f]);
    if (sample < level) continue;
    if (heard.empty() || f - heard.back().end > rate / 1000) heard.push_back({f, f, 0});
    heard.back().end = f + 1;
    heard.back().peak = std::max(heard.back().peak, sample);
  }
  return heard;
}

}  // namespace fuda::testing
