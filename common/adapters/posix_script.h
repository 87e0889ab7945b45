#pragma once
// The decoder scripts in /bin/sh's language, and where it finds programs.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/shell.h"

namespace fuda {

inline constexpr std::string_view kPosixScriptName = "fudayomi.sh";

// `text` as one word for /bin/sh: in single quotes, each quote written '\''.
std::string shellQuote(std::string_view text);

// "cd", the program line and "rm -f" of the marker, one per line.
std::string posixScriptText(const ScriptSteps& steps);

// `dir`/`name` when it is a regular file we may execute.
std::optional<std::filesystem::path> posixOwnProgram(const std::filesystem::path& dir,
                                                     std::string_view name);

}  // namespace fuda
