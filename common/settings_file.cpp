#include "common/settings_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "common/text_encoding.h"

namespace fuda {

namespace {

constexpr std::size_t kMaxValueLength = 255;
// A settings file is a few lines; anything far larger is not one.
constexpr std::uintmax_t kMaxFileSize = 1 << 20;

std::string_view trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool equalNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Cuts a value at 255 characters without splitting a UTF-8 sequence.
std::string cutValue(std::string_view value) {
  if (value.size() <= kMaxValueLength) return std::string(value);
  std::size_t end = kMaxValueLength;
  while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) --end;
  return std::string(value.substr(0, end));
}

std::optional<std::string> readText(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > kMaxFileSize) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  if (isValidUtf8(bytes)) return bytes;
  // Written by a Japanese Windows editor, most likely.
  if (auto converted = cp932ToUtf8(bytes)) return converted;
  return bytes;
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

std::string SettingsFile::read(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  const auto text = readText(path_);
  if (!text) return std::string(fallback);

  std::istringstream lines(*text);
  std::string line;
  bool inSection = false;
  while (std::getline(lines, line)) {
    const std::string_view content = trim(line);
    if (content.empty() || content.front() == ';') continue;
    if (content.front() == '[') {
      const auto close = content.find(']');
      if (close == std::string_view::npos) continue;
      inSection = equalNoCase(trim(content.substr(1, close - 1)), section);
      continue;
    }
    if (!inSection) continue;
    const auto equals = content.find('=');
    if (equals == std::string_view::npos) continue;
    if (!equalNoCase(trim(content.substr(0, equals)), key)) continue;
    std::string_view value = trim(content.substr(equals + 1));
    // A value in double quotes has them removed, as the system's reader does.
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    return cutValue(value);
  }
  return std::string(fallback);
}

}  // namespace fuda
