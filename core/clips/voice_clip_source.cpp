#include "core/clips/voice_clip_source.h"

#include <string>

#include "core/clips/silence_trim.h"
#include "core/encoding/utf8_path.h"

namespace fuda {

namespace {

std::string extension(ClipFormat format) {
  switch (format) {
    case ClipFormat::Mp3:
      return ".mp3";
    case ClipFormat::Ogg:
      return ".ogg";
    case ClipFormat::Wav:
      break;
  }
  return ".WAV";
}

}  // namespace

VoiceClipSource::VoiceClipSource(const CurrentVoice& voice, VoiceClipPlaces places,
                                 Shell& shell, Clock& clock, MessageSink& messages,
                                 Language language, MissingClipNotice notice,
                                 double decodeTimeoutMs)
    : voice_(voice),
      tempDir_(places.tempDir),
      oggInProgram_(places.oggInProgram),
      decoder_(places.tempDir, places.programDir, shell, clock, decodeTimeoutMs),
      messages_(messages),
      language_(language),
      notice_(notice) {}

ClipRef VoiceClipSource::load(ClipFolder folder, std::string_view name) {
  // The voice may change between two clips (Reader menu); each load takes it
  // as it is now.
  const VoiceLocation where = voice_.get();
  const std::filesystem::path& dir =
      folder == ClipFolder::Verses ? where.voiceDir : where.announceDir;
  const std::string clipName(name);
  if (where.format != ClipFormat::Wav) return loadDecoded(where.format, dir, clipName);

  const std::string fileName = clipName + extension(ClipFormat::Wav);
  return loadFile(findFileNoCase(dir, fileName).value_or(dir / fileName), clipName);
}

ClipRef VoiceClipSource::loadDecoded(ClipFormat format, const std::filesystem::path& dir,
                                     const std::string& name) {
  const std::string sourceName = name + extension(format);
  const auto source = findFileNoCase(dir, sourceName);
  if (!source) {
    // Name the file the user can look for, not the decoder's output.
    reportMissing(dir / sourceName);
    return nullptr;
  }
  if (format == ClipFormat::Ogg && oggInProgram_ != nullptr) {
    return toClip(oggInProgram_(*source), *source, name);
  }
  if (tempDir_.empty()) {
    // No private directory could be made: there is nowhere to decode to.
    reportMissing(*source);
    return nullptr;
  }
  const auto target = tempDir_ / (name + extension(ClipFormat::Wav));
  WavParse parsed;
  {
    std::lock_guard lock(decodeMutex_);
    const DecodeResult result = decoder_.decode(format, *source, target);
    if (result == DecodeResult::Interrupted) return nullptr;  // shutting down
    parsed = result == DecodeResult::Finished ? loadWavFile(target)
                                              : WavParse{std::nullopt, WavProblem::Unreadable};
    std::error_code error;
    std::filesystem::remove(target, error);
  }
  // The box waits for the user; other decodes need not wait with it.
  return toClip(std::move(parsed), target, name);
}

ClipRef VoiceClipSource::loadFile(const std::filesystem::path& path, const std::string& name) {
  return toClip(loadWavFile(path), path, name);
}

ClipRef VoiceClipSource::toClip(WavParse parsed, const std::filesystem::path& path,
                                const std::string& name) {
  if (!parsed.clip) {
    reportMissing(path);
    return nullptr;
  }
  parsed.clip->name = name;
  if (edgeSilence_.load() == EdgeSilence::AsRecorded)
    return std::make_shared<const SoundClip>(std::move(*parsed.clip));
  auto trimmed = trimSilence(std::move(*parsed.clip));
  return trimmed ? std::make_shared<const SoundClip>(std::move(*trimmed)) : nullptr;
}

void VoiceClipSource::reportMissing(const std::filesystem::path& path) {
  messages_.showMessage(utf8FromPath(path), pick(language_, notice_.text), notice_.owner);
}

}  // namespace fuda
