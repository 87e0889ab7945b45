#include "core/settings/voice.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "core/encoding/utf8_path.h"

namespace fuda {

namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// The entry `name` of the existing directory `dir`: the exact name if it is
// there, else the first (in name order) that differs from it only in case.
std::optional<std::filesystem::path> entryNoCase(const std::filesystem::path& dir,
                                                 const std::string& name) {
  std::error_code error;
  const auto exact = dir / pathFromUtf8(name);
  if (std::filesystem::exists(exact, error)) return exact;
  if (name == "." || name == "..") return std::nullopt;
  const std::string wanted = lower(name);
  std::optional<std::filesystem::path> found;
  std::filesystem::directory_iterator it(dir, error);
  if (error) return std::nullopt;
  for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (error) return std::nullopt;
    if (lower(utf8FromPath(it->path().filename())) == wanted &&
        (!found || it->path().filename() < found->filename())) {
      found = it->path();
    }
  }
  return found;
}

}  // namespace

std::optional<std::filesystem::path> findPathNoCase(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::exists(path, error)) return path;
  const auto parent = path.parent_path();
  if (parent == path) return std::nullopt;  // a root that is not there
  if (path.filename().empty()) return findPathNoCase(parent);  // "dir/"
  const std::string name = utf8FromPath(path.filename());
  if (parent.empty()) {
    // A bare name: looked up in the current directory, kept relative.
    const auto entry = entryNoCase(".", name);
    if (!entry) return std::nullopt;
    return entry->filename();
  }
  const auto base = findPathNoCase(parent);
  if (!base) return std::nullopt;
  return entryNoCase(*base, name);
}

std::optional<std::filesystem::path> findFileNoCase(
    const std::filesystem::path& dir, std::string_view name) {
  const auto found = findPathNoCase(dir / pathFromUtf8(name));
  std::error_code error;
  if (!found || !std::filesystem::is_regular_file(*found, error)) return std::nullopt;
  return found;
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
  return pathFromUtf8(path);
}

}  // namespace fuda

#include "core/settings/settings_file.h"

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
