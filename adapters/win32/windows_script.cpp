#include "adapters/win32/windows_script.h"

#include <windows.h>

#include <algorithm>

#include "core/encoding/utf8_path.h"

namespace fuda {

namespace {

bool isAscii(std::wstring_view text) {
  return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

// The short (8.3) form of an existing path; empty when it has none.
std::wstring shortForm(const std::filesystem::path& path) {
  const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring text(size, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), text.data(), size);
  if (length == 0 || length >= size) return {};
  text.resize(length);
  return text;
}

// `word` as cmd.exe will read it back. cmd.exe reads a batch file in the
// console's code page, which cannot spell every name, so a path with other
// than ASCII in it is written in its short form, whose names are ASCII: the
// path's own, or, for a file still to be made (the decoded clip), its
// folder's with the file's name. Whatever is left goes in the console's code
// page, which a new console of cmd.exe starts with.
std::string batchWord(const std::filesystem::path& word) {
  std::wstring text = word.wstring();
  if (!isAscii(text)) {
    if (std::wstring whole = shortForm(word); !whole.empty()) {
      text = std::move(whole);
    } else if (std::wstring folder = shortForm(word.parent_path());
               !folder.empty() && word.has_filename()) {
      text = (std::filesystem::path(folder) / word.filename()).wstring();
    }
  }
  if (isAscii(text)) return std::string(text.begin(), text.end());
  const int size = WideCharToMultiByte(CP_OEMCP, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(CP_OEMCP, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                      size, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::string batchQuote(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') continue;
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string windowsScriptText(const ScriptSteps& steps) {
  std::string script = "@echo off\r\n";
  script += "cd /d " + batchQuote(batchWord(steps.workingDir)) + "\r\n";
  script += batchQuote(batchWord(pathFromUtf8(steps.program)));
  for (const auto& argument : steps.arguments) {
    script += " " + batchQuote(batchWord(pathFromUtf8(argument)));
  }
  script += "\r\n";
  script += "del /f /q " + batchQuote(batchWord(steps.marker)) + "\r\n";
  return script;
}

std::optional<std::filesystem::path> windowsOwnProgram(const std::filesystem::path& dir,
                                                       std::string_view name) {
  const auto path = dir / pathFromUtf8(std::string(name) + ".exe");
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) return path;
  return std::nullopt;
}

}  // namespace fuda
