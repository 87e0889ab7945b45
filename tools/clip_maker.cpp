#include "tools/clip_maker.h"

#include <fstream>
#include <iterator>

#include "tools/clip_shaping.h"
#include "tools/pcm_wav.h"
#include "tools/program_run.h"
#include "tools/voice_folder.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

}  // namespace

std::string checkTools(ClipFormat format) {
  // -q speaks to no sound device: this only asks whether the voice is there.
  std::string failure = run({"espeak-ng", "-v", "ja", "-q", "あ"});
  if (!failure.empty()) {
    return failure + " (Debian package espeak-ng)";
  }
  if (format == ClipFormat::Mp3) {
    failure = run({"lame", "--version"});
    if (!failure.empty()) return failure + " (Debian package lame)";
  } else if (format == ClipFormat::Ogg) {
    failure = run({"oggenc", "--version"});
    if (!failure.empty()) {
      return failure + " (Debian package vorbis-tools)";
    }
  }
  return {};
}

std::string makeClip(const VoiceLine& line, const ClipRecipe& recipe) {
  const fs::path spoken = recipe.workDir / (line.name + ".spoken.wav");
  const fs::path shaped = recipe.workDir / (line.name + ".wav");
  const fs::path target = clipPath(recipe.voiceDir, line, recipe.format);
  fs::path partial = target;
  partial += ".part";

  const int wpm = line.pace == SpeechPace::Recitation ? recipe.recitationWpm
                                                      : kAnnouncementWpm;
  // -b 1: the text is UTF-8 whatever the locale says.
  std::string failure = run({"espeak-ng", "-v", "ja", "-b", "1", "-s",
                             std::to_string(wpm), "-g", std::to_string(kPhraseGap),
                             "-w", spoken.string(), line.kana});
  if (!failure.empty()) return line.name + ": " + failure;

  PcmReading reading = readPcmWav(readFile(spoken));
  std::error_code ignored;
  fs::remove(spoken, ignored);
  if (!reading.pcm) {
    return line.name + ": the synthesiser's output is unreadable (" +
           reading.error + ")";
  }
  MonoPcm& pcm = *reading.pcm;
  if (!trimSilence(pcm)) return line.name + ": the synthesiser made no sound";
  normaliseLevel(pcm);

  if (recipe.format == ClipFormat::Wav) {
    if (!writeFile(partial, pcmWavBytes(pcm))) {
      fs::remove(partial, ignored);
      return line.name + ": cannot write " + partial.string();
    }
  } else {
    if (!writeFile(shaped, pcmWavBytes(pcm))) {
      fs::remove(shaped, ignored);
      return line.name + ": cannot write " + shaped.string();
    }
    failure = recipe.format == ClipFormat::Mp3
                  ? run({"lame", "--quiet", "-V", "4", shaped.string(),
                         partial.string()})
                  : run({"oggenc", "-Q", "-q", "4", "-o", partial.string(),
                         shaped.string()});
    fs::remove(shaped, ignored);
    if (!failure.empty()) {
      fs::remove(partial, ignored);
      return line.name + ": " + failure;
    }
  }
  std::error_code error;
  fs::rename(partial, target, error);
  if (error) {
    fs::remove(partial, ignored);
    return line.name + ": cannot write " + target.string() + " (" +
           error.message() + ")";
  }
  return {};
}

}  // namespace fuda
