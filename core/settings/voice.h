#pragma once
// Where the current voice's clips are and in which format. The GUI thread
// changes it (Reader menu) while reading threads read it between clips, so it
// is guarded.
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>

namespace fuda {

enum class ClipFormat : std::int16_t { Wav = 0, Mp3 = 1, Ogg = 2 };

struct VoiceLocation {
  std::filesystem::path voiceDir;     // the poem clips
  std::filesystem::path announceDir;  // voiceDir / "Mesg", in any case
  ClipFormat format = ClipFormat::Wav;
};

class CurrentVoice {
 public:
  VoiceLocation get() const {
    std::lock_guard lock(mutex_);
    return location_;
  }
  void set(VoiceLocation location) {
    std::lock_guard lock(mutex_);
    location_ = std::move(location);
  }

 private:
  mutable std::mutex mutex_;
  VoiceLocation location_;
};

// `path` as it lies on disk, each of its names matched without regard to case
// where the exact name is missing (a voice made on Windows may have "MESG" or
// "mesg" for "Mesg"); nullopt if some part of it is not there.
std::optional<std::filesystem::path> findPathNoCase(const std::filesystem::path& path);

// The file `name` in `dir`, every name of both matched without regard to
// case; nullopt if none.
std::optional<std::filesystem::path> findFileNoCase(
    const std::filesystem::path& dir, std::string_view name);

// Which of I-000A.wav, .mp3, .ogg the directory holds, in that order of
// preference; nullopt when none.
std::optional<ClipFormat> probeClipFormat(const std::filesystem::path& dir);

// A settings path with Windows separators made usable here: ".\data" gives
// "./data".
std::filesystem::path settingsPath(std::string_view value);

}  // namespace fuda

namespace fuda {

class SettingsFile;

// Voice `number` ("1".."4", or whatever [Reader] Num holds): the directory of
// [Path] Data<number> (default ".\data"), its Mesg folder, and its format.
struct VoiceChoice {
  VoiceLocation location;
  bool hasClips = false;  // false: no I-000A clip; the format is then WAV
};
VoiceChoice chooseVoice(const SettingsFile& settings, std::string_view number);

}  // namespace fuda
