#pragma once
// Makes one clip of the default voice: the synthesiser speaks the line, a
// verse is timed to the rhythm of a match, the silence at the ends is trimmed
// and the level set, and the clip is written as WAV or encoded to MP3 or
// Ogg Vorbis.
#include <filesystem>
#include <string>

#include "core/settings/voice.h"
#include "voicegen/speech_engine.h"
#include "voicegen/voice_script.h"

namespace fuda {

struct ClipRecipe {
  std::filesystem::path voiceDir;
  std::filesystem::path workDir;  // a private temporary folder
  ClipFormat format = ClipFormat::Wav;
  Synthesiser synthesiser = Synthesiser::OpenJTalk;
  OpenJTalkFiles openJTalk;
};

// Checks that the encoder `format` needs can be run. Gives an empty string,
// else what is missing.
std::string checkEncoder(ClipFormat format);

struct ClipOutcome {
  std::string error;     // empty on success
  bool misread = false;  // made, but the synthesiser did not say the reading
};

// Any thread; runs the synthesiser and the encoder as programs. The clip
// appears under its final name only when it is whole.
ClipOutcome makeClip(const VoiceLine& line, const ClipRecipe& recipe);

}  // namespace fuda
