#include "adapters/win32/windows_script.h"

namespace fuda {

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
  script += "cd /d " + batchQuote(steps.workingDir.string()) + "\r\n";
  script += batchQuote(steps.program);
  for (const auto& argument : steps.arguments) script += " " + batchQuote(argument);
  script += "\r\n";
  script += "del /f /q " + batchQuote(steps.marker.string()) + "\r\n";
  return script;
}

std::optional<std::filesystem::path> windowsOwnProgram(const std::filesystem::path& dir,
                                                       std::string_view name) {
  const auto path = dir / (std::string(name) + ".exe");
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) return path;
  return std::nullopt;
}

}  // namespace fuda
