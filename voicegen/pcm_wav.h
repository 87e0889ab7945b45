#pragma once
// 16-bit mono PCM and the WAV files the voice generator reads and writes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fuda {

struct MonoPcm {
  std::uint32_t sampleRate = 0;
  std::vector<std::int16_t> samples;

  double seconds() const {
    return sampleRate == 0 ? 0.0
                           : static_cast<double>(samples.size()) / sampleRate;
  }
};

struct PcmReading {
  std::optional<MonoPcm> pcm;
  std::string error;  // why `pcm` is empty
};

// A RIFF/WAVE file of 16-bit integer PCM, mono or stereo (mixed down), read
// chunk by chunk: a synthesiser need not write the canonical header. A data
// size past the end of the file (as a writer to a pipe leaves it) is cut to
// what is there.
PcmReading readPcmWav(const std::vector<std::uint8_t>& bytes);

// The canonical 44-byte-header WAV file, the layout every reader of clips
// expects: "fmt " of 16 bytes at 12, "data" at 36.
std::vector<std::uint8_t> pcmWavBytes(const MonoPcm& pcm);

}  // namespace fuda
