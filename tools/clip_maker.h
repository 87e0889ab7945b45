#pragma once
// Makes one clip of the default voice: the synthesiser speaks the kana, the
// silence at the ends is trimmed and the level set, and the clip is written
// as WAV or encoded to MP3 or Ogg Vorbis.
#include <filesystem>
#include <string>

#include "common/voice.h"
#include "tools/voice_script.h"

namespace fuda {

// Speaking rates in words per minute as the synthesiser counts them; 80 is
// its slowest. A reciter takes five to six seconds over an upper verse.
inline constexpr int kRecitationWpm = 85;
inline constexpr int kAnnouncementWpm = 120;

// The pause at a blank, which in a recited verse parts the lines of the poem,
// in the synthesiser's units of 10 ms at its usual speed: about 150 ms, a
// breath, where it would leave 60 ms.
inline constexpr int kPhraseGap = 3;

struct ClipRecipe {
  std::filesystem::path voiceDir;
  std::filesystem::path workDir;  // a private temporary folder
  ClipFormat format = ClipFormat::Wav;
  int recitationWpm = kRecitationWpm;
};

// Checks that the synthesiser with its Japanese voice, and the encoder that
// `format` needs, can be run. Gives an empty string, else what is missing.
std::string checkTools(ClipFormat format);

// Any thread; runs the synthesiser and the encoder as programs. The clip
// appears under its final name only when it is whole. Gives an empty string
// on success, else what went wrong.
std::string makeClip(const VoiceLine& line, const ClipRecipe& recipe);

}  // namespace fuda
