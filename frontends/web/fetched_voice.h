#pragma once
// The default voice as the site serves it: its folder in the program's files
// holds an empty file for every clip, and a clip's bytes are fetched from the
// site the first time the game needs it, so the first card never waits for
// the whole voice. Ogg clips are decoded in the program.
#include <filesystem>
#include <string>

#include "core/clips/wav_clip.h"

namespace fuda {

// Core thread, at start, before any clip is read: the folder of the
// program's files that stands for the site's voice folder at `baseUrl`.
void setFetchedVoice(std::filesystem::path folder, std::string baseUrl);

// Reading and announcement threads (an OggFileDecoder): the Ogg clip at
// `path`, fetched first when it is one of the voice's empty stand-ins. A clip
// that cannot be fetched or decoded gives Unreadable or NotPcm, which the
// core reports with the clip's name.
WavParse loadFetchedOggClip(const std::filesystem::path& path);

}  // namespace fuda
