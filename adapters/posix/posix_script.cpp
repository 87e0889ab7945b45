#include "adapters/posix/posix_script.h"

#include <unistd.h>

namespace fuda {

std::string shellQuote(std::string_view text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  quoted += '\'';
  return quoted;
}

std::string posixScriptText(const ScriptSteps& steps) {
  std::string script = "cd " + shellQuote(steps.workingDir.string()) + "\n";
  script += shellQuote(steps.program);
  for (const auto& argument : steps.arguments) script += " " + shellQuote(argument);
  script += "\n";
  script += "rm -f " + shellQuote(steps.marker.string()) + "\n";
  return script;
}

std::optional<std::filesystem::path> posixOwnProgram(const std::filesystem::path& dir,
                                                     std::string_view name) {
  const auto path = dir / std::string(name);
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0)
    return path;
  return std::nullopt;
}

}  // namespace fuda
