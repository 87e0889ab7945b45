#include "common/voice.h"

#include <algorithm>
#include <string>

namespace fuda {

namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace

std::optional<std::filesystem::path> findFileNoCase(
    const std::filesystem::path& dir, std::string_view name) {
  std::error_code error;
  const auto exact = dir / std::string(name);
  if (std::filesystem::is_regular_file(exact, error)) return exact;
  const std::string wanted = lower(name);
  std::filesystem::directory_iterator it(dir, error);
  if (error) return std::nullopt;
  for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (error) return std::nullopt;
    if (lower(it->path().filename().string()) == wanted &&
        it->is_regular_file(error)) {
      return it->path();
    }
  }
  return std::nullopt;
}

std::optional<ClipFormat> probeClipFormat(const std::filesystem::path& dir) {
  if (findFileNoCase(dir, "I-000A.wav")) return ClipFormat::Wav;
  if (findFileNoCase(dir, "I-000A.mp3")) return ClipFormat::Mp3;
  if (findFileNoCase(dir, "I-000A.ogg")) return ClipFormat::Ogg;
  return std::nullopt;
}

std::filesystem::path settingsPath(std::string_view value) {
  std::string path(value);
  std::replace(path.begin(), path.end(), '\\', '/');
  return std::filesystem::path(path);
}

}  // namespace fuda

#include "common/settings_file.h"

namespace fuda {

VoiceChoice chooseVoice(const SettingsFile& settings, std::string_view number) {
  const std::string key = "Data" + std::string(number);
  const auto root = settingsPath(settings.read("Path", key, ".\\data"));
  VoiceChoice choice;
  choice.location.voiceDir = root;
  choice.location.announceDir = root / "Mesg";
  const auto format = probeClipFormat(root);
  choice.hasClips = format.has_value();
  choice.location.format = format.value_or(ClipFormat::Wav);
  return choice;
}

}  // namespace fuda
