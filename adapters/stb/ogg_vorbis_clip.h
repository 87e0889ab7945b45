#pragma once
// Decoding an Ogg Vorbis file in the program itself, so a voice of Ogg clips
// plays where no decoder program is installed.
#include <cstdint>
#include <vector>

#include "core/clips/wav_clip.h"

namespace fuda {

// `bytes` is the whole .ogg file. The clip holds its sound as a 16-bit PCM
// WAV file; NotPcm when the bytes are no Ogg Vorbis stream that decodes.
WavParse decodeOggVorbis(const std::vector<std::uint8_t>& bytes);
// Reads the whole file and decodes it.
WavParse loadOggVorbisFile(const std::filesystem::path& path);

}  // namespace fuda
