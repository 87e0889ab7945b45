#pragma once
// The two synthesisers the default voice can be spoken by: Open JTalk with
// its HTS voice, which gives Japanese pitch accent and mora timing, and
// espeak-ng's Japanese voice, which serves when Open JTalk or one of its
// files is missing.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "voicegen/pcm_wav.h"
#include "voicegen/recitation_timing.h"
#include "voicegen/voice_script.h"

namespace fuda {

enum class Synthesiser { OpenJTalk, EspeakNg };

// What the user asked for: the best one there is, or one of them only.
enum class EngineRequest { Best, OpenJTalk, EspeakNg };

// Where Debian's packages put Open JTalk's dictionary and voice.
struct OpenJTalkFiles {
  std::filesystem::path dictionary = "/var/lib/mecab/dic/open-jtalk/naist-jdic";
  std::filesystem::path voice =
      "/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice";
};

struct EngineChoice {
  std::optional<Synthesiser> synthesiser;  // none: nothing can speak
  // Why the best engine is not the one used, for the terminal; empty when it is.
  std::string notice;
  std::string error;  // when nothing can speak: what is missing
};

// Checks the programs and files each engine needs, by running them.
EngineChoice chooseSynthesiser(EngineRequest request, const OpenJTalkFiles& files);

std::string_view synthesiserName(Synthesiser synthesiser);

// One phoneme of Open JTalk's output and where it lies in the sound.
struct Phone {
  std::string name;  // "a", "ky", "N", "cl", "pau", "sil"; capital vowels are devoiced
  double startSeconds = 0.0;
  double endSeconds = 0.0;
};

// The phonemes of the "[Output label]" part of Open JTalk's trace output.
std::vector<Phone> phonesFromTrace(std::string_view trace);

// Whether `phones` say the reading (hiragana words parted by blanks), the
// text having asked for its last vowel to be held with `heldMarks` ー.
bool phonesSayReading(const std::vector<Phone>& phones, std::string_view reading,
                      int heldMarks);

struct Speech {
  std::optional<MonoPcm> pcm;
  // Where the last sound of the text begins and ends (the vowel or ん a
  // reciter holds), when the synthesiser tells; seconds from the clip's start.
  std::optional<double> lastSoundStart;
  std::optional<double> lastSoundEnd;
  std::vector<SoundSegment> segments;  // of a verse, when the synthesiser tells
  bool misread = false;  // the phonemes do not say the line's reading
  std::string error;
};

struct SpeechRequest {
  Synthesiser synthesiser = Synthesiser::OpenJTalk;
  OpenJTalkFiles files;
  std::filesystem::path workDir;  // a private temporary folder
};

// Any thread. Speaks `line`: a verse from its kana, an announcement from its
// sentence.
Speech speak(const VoiceLine& line, const SpeechRequest& request);

}  // namespace fuda
