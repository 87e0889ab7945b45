#pragma once
// The settings file: an ini file the user edits by hand and the program only
// reads. Each lookup reads the file anew, as the system's profile calls do,
// so "Interval Default" sees an edit made while the program runs.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/texts/language.h"
#include "core/ports/message_sink.h"

namespace fuda {

inline constexpr std::string_view kSettingsFileName = "fudayomi.ini";

class SettingsFile {
 public:
  explicit SettingsFile(std::filesystem::path path);

  // Section and key match without regard to case; the value is trimmed and cut
  // at 255 characters. A missing file, section or key gives `fallback`.
  // Lines starting with ';' are comments; of duplicate keys the first wins.
  // The file may be UTF-8 (with or without BOM) or CP932.
  std::string read(std::string_view section, std::string_view key,
                   std::string_view fallback) const;

  const std::filesystem::path& path() const { return path_; }

  // Why a file that is there cannot be read as a settings file (a directory,
  // a pipe, too large, an I/O error); nullopt when it reads, or when there is
  // no file at all, which simply means the defaults.
  std::optional<std::string> problem() const;

 private:
  std::filesystem::path path_;
};

// The value of `key` in `section` of a settings file's whole contents, by the
// rules of SettingsFile::read; nullopt when it is not there.
std::optional<std::string> settingsValue(std::string_view fileBytes, std::string_view section,
                                         std::string_view key);

// At start-up: a settings file that is there but cannot be read gets one
// message, so the user knows why the settings do not apply. The program then
// runs on the defaults.
void reportUnreadableSettings(const SettingsFile& settings, MessageSink& messages,
                              Language language);

}  // namespace fuda
