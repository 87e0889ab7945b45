#include "voicegen/clip_maker.h"

#include <fstream>

#include "voicegen/clip_shaping.h"
#include "voicegen/make_voice_status.h"
#include "voicegen/pcm_wav.h"
#include "voicegen/program_run.h"
#include "voicegen/recitation_timing.h"
#include "voicegen/voice_folder.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

// Clips are kept at half the synthesiser's 48 kHz: the voice lies well below
// 12 kHz, and the voice folder stays half as large.
constexpr std::uint32_t kHighestRate = 24000;

bool writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

std::string run(const std::vector<std::string>& argv) {
  const ProgramResult result = runProgram(argv);
  return result.succeeded() ? std::string() : describeFailure(argv, result);
}

// The verse timed as a reciter times it; gives false when it holds no sound.
bool timeVerse(MonoPcm& pcm, const Speech& speech, VerseShape shape) {
  const auto sound = findSound(pcm);
  if (!sound) return false;
  VerseSound where;
  where.begin = static_cast<double>(sound->begin) / pcm.sampleRate;
  where.end = static_cast<double>(sound->end) / pcm.sampleRate;
  where.lastSoundStart = speech.lastSoundStart;
  where.lastSoundEnd = speech.lastSoundEnd;
  where.segments = speech.segments;
  pcm = recitedTiming(pcm, where, shape);
  return true;
}

}  // namespace

std::string checkEncoder(ClipFormat format) {
  if (format == ClipFormat::Mp3) {
    const std::string failure = run({"lame", "--version"});
    if (!failure.empty()) return failure + " (Debian package lame)";
  } else if (format == ClipFormat::Ogg) {
    const std::string failure = run({"oggenc", "--version"});
    if (!failure.empty()) return failure + " (Debian package vorbis-tools)";
  }
  return {};
}

ClipOutcome makeClip(const VoiceLine& line, const ClipRecipe& recipe) {
  const fs::path shaped = recipe.workDir / (line.name + ".wav");
  const fs::path target = clipPath(recipe.voiceDir, line, recipe.format);
  fs::path partial = target;
  partial += kPartialClipEnding;
  const auto failed = [&](const std::string& why) {
    return ClipOutcome{line.name + ": " + why};
  };

  Speech speech = speak(line, {recipe.synthesiser, recipe.openJTalk, recipe.workDir});
  if (!speech.pcm) return failed(speech.error);
  MonoPcm& pcm = *speech.pcm;
  while (pcm.sampleRate > kHighestRate) pcm = halfRate(pcm);
  removeOffset(pcm);
  if (line.folder == ClipFolder::Verses) {
    const VerseShape shape = line.name.ends_with('A') ? VerseShape::Upper : VerseShape::Lower;
    if (!timeVerse(pcm, speech, shape)) return failed("the synthesiser made no sound");
  }
  if (!trimSilence(pcm)) return failed("the synthesiser made no sound");
  normaliseLevel(pcm);

  std::error_code ignored;
  if (recipe.format == ClipFormat::Wav) {
    if (!writeFile(partial, pcmWavBytes(pcm))) {
      fs::remove(partial, ignored);
      return failed("cannot write " + partial.string());
    }
  } else {
    if (!writeFile(shaped, pcmWavBytes(pcm))) {
      fs::remove(shaped, ignored);
      return failed("cannot write " + shaped.string());
    }
    const std::string failure =
        recipe.format == ClipFormat::Mp3
            ? run({"lame", "--quiet", "-V", "4", shaped.string(), partial.string()})
            : run({"oggenc", "-Q", "-q", "4", "-o", partial.string(), shaped.string()});
    fs::remove(shaped, ignored);
    if (!failure.empty()) {
      fs::remove(partial, ignored);
      return failed(failure);
    }
  }
  std::error_code error;
  fs::rename(partial, target, error);
  if (error) {
    fs::remove(partial, ignored);
    return failed("cannot write " + target.string() + " (" + error.message() + ")");
  }
  return {{}, speech.misread};
}

}  // namespace fuda
