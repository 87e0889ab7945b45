#pragma once
// A whole WAV file held in memory, with what its header says about it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fuda {

struct PcmFormat {
  std::uint16_t formatTag = 0;  // 1 = integer PCM, 3 = float
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint16_t bitsPerSample = 0;
};

struct SoundClip {
  std::string name;                 // "I-001A", "anki_s": for messages and tests
  std::vector<std::uint8_t> bytes;  // the complete file, header included
  PcmFormat format;
  std::size_t dataOffset = 0;  // where the samples start in `bytes`
  std::size_t dataSize = 0;    // bytes of samples
  double playingMs = 0.0;      // from the header: data size / byte rate
};

// Clips are shared: the sound output keeps the one it plays alive until it has
// ended or was stopped, so a reading thread that drops its slot never frees
// samples still being heard.
using ClipRef = std::shared_ptr<const SoundClip>;

}  // namespace fuda
