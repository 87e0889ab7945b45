#pragma once
// The settings file: an ini file the user edits by hand and the program only
// reads. Each lookup reads the file anew, as the system's profile calls do,
// so "Interval Default" sees an edit made while the program runs.
#include <filesystem>
#include <string>
#include <string_view>

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

 private:
  std::filesystem::path path_;
};

}  // namespace fuda
