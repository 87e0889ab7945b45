#pragma once
// The decoder scripts in /bin/sh's language, and where it finds programs.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/shell.h"

namespace fuda {

inline constexpr std::string_view kPosixScriptName = "fudayomi.sh";

// `text` as one word for /bin/sh: in single quotes, each quote written '\''.
std::string shellQuote(std::string_view text);

// "cd", the program line and "rm -f" of the marker, one per line.
std::string posixScriptText(const ScriptSteps& steps);

// `dir`/`name` when it is a regular file we may execute.
std::optional<std::filesystem::path> posixOwnProgram(const std::filesystem::path& dir,
                                                     std::string_view name);

// The parts of a shell that /bin/sh's language decides; the real shell and
// the tests' shells start the scripts each their own way.
class PosixScriptShell : public Shell {
 public:
  std::string scriptName() const override { return std::string(kPosixScriptName); }
  std::string scriptText(const ScriptSteps& steps) const override {
    return posixScriptText(steps);
  }
  std::optional<std::filesystem::path> ownProgram(const std::filesystem::path& dir,
                                                  std::string_view name) const override {
    return posixOwnProgram(dir, name);
  }
};

}  // namespace fuda
