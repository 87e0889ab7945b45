#include "frontends/web/own_voices.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

#include "core/settings/settings_file.h"
#include "core/settings/voice.h"
#include "frontends/web/fetched_voice.h"

namespace fuda {

namespace {

std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Adds the voice's folder to settings that name none for reader `number`.
// A settings file that cannot be read is left as it is.
void nameVoiceFolder(const std::filesystem::path& settingsFile, int number) {
  const SettingsFile settings(settingsFile);
  if (settings.problem()) return;
  const std::string key = "Data" + std::to_string(number);
  const std::string bytes = fileBytes(settingsFile);
  if (settingsValue(bytes, "Path", key)) return;
  std::ofstream out(settingsFile, std::ios::binary | std::ios::app);
  if (!bytes.empty() && bytes.back() != '\n') out << "\r\n";
  out << "[Path]\r\n" << key << "=.\\voice" << number << "\r\n";
}

}  // namespace

void keepOwnVoice(const std::filesystem::path& settingsFile, int number,
                  const std::vector<std::string>& names) {
  if (!names.empty()) nameVoiceFolder(settingsFile, number);
  const SettingsFile settings(settingsFile);
  setOwnVoice(number, chooseVoice(settings, std::to_string(number)).location.voiceDir, names);
}

void keepListedOwnVoices(const std::filesystem::path& settingsFile,
                         const std::filesystem::path& list) {
  std::map<int, std::vector<std::string>> voices;
  for (const std::string& line : clipNameLines(fileBytes(list))) {
    const auto space = line.find(' ');
    if (space == std::string::npos) continue;
    const int number = std::atoi(line.substr(0, space).c_str());
    if (number >= 2 && number <= 4) voices[number].push_back(line.substr(space + 1));
  }
  for (const auto& [number, names] : voices) keepOwnVoice(settingsFile, number, names);
  std::error_code ignored;
  std::filesystem::remove(list, ignored);
}

std::vector<std::string> clipNameLines(std::string_view lines) {
  std::vector<std::string> names;
  while (!lines.empty()) {
    const auto end = lines.find('\n');
    if (end != 0) names.emplace_back(lines.substr(0, end));
    lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
  }
  return names;
}

}  // namespace fuda
