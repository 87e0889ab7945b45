#pragma once
// The real command-line audio tools (sox, lame, oggenc), and reading back
// what SDL's disk driver wrote, for the integration tests.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "adapters/posix/posix_script.h"
#include "core/clips/clip_decoder.h"
#include "core/clips/sound_clip.h"
#include "tests/support/wav_bytes.h"

namespace fuda::testing {

inline bool run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// A sine tone made by sox: `seconds` long, 16-bit.
inline bool makeTone(const std::filesystem::path& wav, double seconds, double hz,
                     int rate = 44100, int channels = 2) {
  return run("sox -n -r " + std::to_string(rate) + " -c " + std::to_string(channels) +
             " -b 16 " + shellQuote(wav.string()) + " synth " + std::to_string(seconds) +
             " sine " + std::to_string(hz) + " vol 0.5");
}

inline bool encodeMp3(const std::filesystem::path& wav, const std::filesystem::path& mp3) {
  return run("lame --quiet -b 128 " + shellQuote(wav.string()) + " " + shellQuote(mp3.string()));
}

inline bool encodeOgg(const std::filesystem::path& wav, const std::filesystem::path& ogg) {
  return run("oggenc -Q -o " + shellQuote(ogg.string()) + " " + shellQuote(wav.string()));
}

inline std::vector<std::int16_t> clipSamples16(const SoundClip& clip) {
  return samples16(clip.bytes.data() + clip.dataOffset, clip.dataSize);
}

// Where `clip` lies whole in `stream`, searching from `from` (in samples).
inline std::optional<std::size_t> findWhole(const std::vector<std::int16_t>& stream,
                                            const std::vector<std::int16_t>& clip,
                                            std::size_t from = 0) {
  const auto loud = std::find_if(clip.begin(), clip.end(), [](std::int16_t v) { return v != 0; });
  if (loud == clip.end()) return std::nullopt;
  const auto lead = static_cast<std::size_t>(loud - clip.begin());
  const std::size_t window = std::min<std::size_t>(256, clip.size() - lead);
  auto at = stream.begin() + static_cast<std::ptrdiff_t>(std::min(from + lead, stream.size()));
  for (;;) {
    at = std::search(at, stream.end(), loud, loud + static_cast<std::ptrdiff_t>(window));
    if (at == stream.end()) return std::nullopt;
    const auto found = static_cast<std::size_t>(at - stream.begin());
    if (found >= lead && found - lead + clip.size() <= stream.size() &&
        std::equal(clip.begin(), clip.end(), stream.begin() + static_cast<std::ptrdiff_t>(found - lead))) {
      return found - lead;
    }
    ++at;
  }
}

// First and one past last sample whose magnitude exceeds `threshold`.
inline std::pair<std::size_t, std::size_t> loudSpan(const std::vector<std::int16_t>& stream,
                                                    int threshold = 64) {
  std::size_t first = stream.size(), last = 0;
  for (std::size_t i = 0; i < stream.size(); ++i) {
    if (std::abs(stream[i]) > threshold) {
      first = std::min(first, i);
      last = i + 1;
    }
  }
  return {first, std::max(first, last)};
}

}  // namespace fuda::testing
