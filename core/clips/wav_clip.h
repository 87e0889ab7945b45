#pragma once
// Reading a WAV file into a SoundClip. The chunks are walked to find "fmt "
// and "data", so files with LIST or fact chunks (as editors write them) get
// their true playing time.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/clips/sound_clip.h"

namespace fuda {

// Why a file gives no clip.
enum class WavProblem {
  None,
  Unreadable,     // cannot be opened or read
  TooShort,       // shorter than a RIFF header
  NotRiffWave,    // no "RIFF" ... "WAVE" signature
  NoFormat,       // no usable "fmt " chunk
  NoData,         // no "data" chunk
  NotPcm,         // compressed, or a sample layout we cannot play
  ZeroField,      // a zero rate, channel count or sample size
};

struct WavParse {
  std::optional<SoundClip> clip;  // set exactly when problem is None
  WavProblem problem = WavProblem::None;
};

// `bytes` is the whole file; it moves into the clip. The clip's name is left
// to the caller.
WavParse parseWavClip(std::vector<std::uint8_t> bytes);

// A decoder that turns a whole compressed file into a clip in the program
// itself (an adapter's, such as the Ogg Vorbis one).
using OggFileDecoder = WavParse (*)(const std::filesystem::path& path);

// Reads the whole file and parses it.
WavParse loadWavFile(const std::filesystem::path& path);
// Reads the whole file, if it is no larger than a clip may be, and hands the
// bytes to `parse`.
WavParse loadClipFile(const std::filesystem::path& path,
                      const std::function<WavParse(std::vector<std::uint8_t>)>& parse);

// Bytes of one frame (one sample of every channel) of a PCM format.
inline std::size_t frameBytes(const PcmFormat& format) {
  return static_cast<std::size_t>(format.channels) * (format.bitsPerSample / 8u);
}

}  // namespace fuda
