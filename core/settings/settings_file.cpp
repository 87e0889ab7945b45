#include "core/settings/settings_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/encoding/text_encoding.h"
#include "core/encoding/utf8_path.h"
#include "core/texts/settings_texts.h"

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
  const auto continues = [&](std::size_t at) {
    return (static_cast<unsigned char>(value[at]) & 0xC0) == 0x80;
  };
  // A UTF-8 sequence is at most four bytes: step back over three
  // continuation bytes at most, so that text which is not UTF-8 at all is
  // still cut at 255 rather than shortened to nothing.
  std::size_t end = kMaxValueLength;
  while (end > kMaxValueLength - 3 && continues(end)) --end;
  if (continues(end)) end = kMaxValueLength;
  return std::string(value.substr(0, end));
}

// The file's text, or why there is none. A missing file is no problem.
struct FileText {
  std::optional<std::string> text;
  std::optional<std::string> problem;
};

FileText readText(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  if (error) return {std::nullopt, error.message()};
  // Never open a pipe or device: it could block the program for good.
  if (status.type() == std::filesystem::file_type::directory)
    return {std::nullopt, std::make_error_code(std::errc::is_a_directory).message()};
  if (status.type() != std::filesystem::file_type::regular)
    return {std::nullopt, "not a regular file"};
  const auto size = std::filesystem::file_size(path, error);
  if (error) return {std::nullopt, error.message()};
  if (size > kMaxFileSize) return {std::nullopt, "larger than 1 MiB"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {std::nullopt, std::make_error_code(std::errc::permission_denied).message()};
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return {std::nullopt, std::make_error_code(std::errc::io_error).message()};
  return {std::move(bytes), std::nullopt};
}

// UTF-8 text of the file's bytes.
std::string decodedText(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (isValidUtf8(bytes)) return std::string(bytes);
  // Written by a Japanese Windows editor, most likely.
  if (auto converted = cp932ToUtf8(bytes)) return *converted;
  return std::string(bytes);
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

std::string SettingsFile::read(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  const FileText file = readText(path_);
  if (!file.text) return std::string(fallback);
  return settingsValue(*file.text, section, key).value_or(std::string(fallback));
}

std::optional<std::string> SettingsFile::problem() const { return readText(path_).problem; }

std::optional<std::string> settingsValue(std::string_view fileBytes, std::string_view section,
                                         std::string_view key) {
  const std::string text = decodedText(fileBytes);
  std::istringstream lines(text);
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
  return std::nullopt;
}

void reportUnreadableSettings(const SettingsFile& settings, MessageSink& messages,
                              Language language) {
  const auto problem = settings.problem();
  if (!problem) return;
  const std::string text =
      std::string(pick(language, texts::kSettingsUnreadable)) +
      "\n" + utf8FromPath(settings.path()) + "\n" + *problem;
  messages.showMessage(std::string(kSettingsFileName), text, MessageOwner::None);
}

}  // namespace fuda
