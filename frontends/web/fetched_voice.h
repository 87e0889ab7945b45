#pragma once
// The voices read lazily: the default voice as the site serves it, and the
// player's own recorded voices (readers 2 to 4) as the page keeps them. Each
// one's folder in the program's files holds an empty file for every clip,
// and a clip's bytes are got the first time the game needs it, so the first
// card never waits for the whole voice. Ogg clips are decoded in the program.
#include <filesystem>
#include <string>
#include <vector>

#include "core/clips/wav_clip.h"

namespace fuda {

// Core thread, at start, before any clip is read: the folder of the
// program's files that stands for the site's voice folder at `baseUrl`.
void setFetchedVoice(std::filesystem::path folder, std::string baseUrl);

// Core thread: reader `number`'s own voice is in `folder`, and holds the
// clips `names` ("I-000A", "Mesg/anki_s"). Its stand-ins replace those of
// the voice that was there; the default voice's folder is left alone.
void setOwnVoice(int number, const std::filesystem::path& folder,
                 const std::vector<std::string>& names);

// The page's main thread: the page has answered request `id` for an own
// clip, having written its bytes (WAV or Ogg) to the file asked for, or not.
void ownClipAnswered(int id, bool written);

// Reading and announcement threads (an OggFileDecoder): the Ogg clip at
// `path`, got first when it is one of a voice's empty stand-ins (an own
// clip's bytes may be WAV: the page hands MP3 over as WAV). A clip
// that cannot be fetched or decoded gives Unreadable or NotPcm, which the
// core reports with the clip's name.
WavParse loadFetchedOggClip(const std::filesystem::path& path);

}  // namespace fuda
