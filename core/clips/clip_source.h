#pragma once
// Port: the clips of the current voice. The real one reads WAV files, or
// decodes MP3 and Ogg Vorbis clips first through the decoder handshake; tests
// hand out clips of chosen lengths.
#include <string_view>

#include "core/clips/sound_clip.h"

namespace fuda {

// Verses lie in the voice directory, announcements in its "Mesg" folder.
enum class ClipFolder { Verses, Announcements };

class ClipSource {
 public:
  virtual ~ClipSource() = default;
  // Reading thread or announcement threads. `name` has no extension:
  // "I-001A", "anki_s". A clip that cannot be opened is reported with a
  // message box whose caption is the file's path, and gives null. Decoded
  // temporaries are removed before this returns: the clip lives in memory.
  virtual ClipRef load(ClipFolder folder, std::string_view name) = 0;
};

}  // namespace fuda
