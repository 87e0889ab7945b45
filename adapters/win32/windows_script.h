#pragma once
// The decoder scripts as batch files for cmd.exe, and where it finds programs.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/shell.h"

namespace fuda {

inline constexpr std::string_view kWindowsScriptName = "fudayomi.bat";

// `text` as one word for cmd.exe in a batch file: in double quotes, with
// each "%" doubled so no variable is expanded. A path holds no '"', but
// should a word hold one it is dropped rather than end the quotes early.
std::string batchQuote(std::string_view text);

// "cd /d", the program line and "del" of the marker, one per line, with
// Windows line ends; echo off so nothing is printed. A path that ASCII
// cannot spell is written so that cmd.exe reads it right whatever the
// console's code page: in its short form where it has one.
std::string windowsScriptText(const ScriptSteps& steps);

// `dir`\`name`.exe when it is a regular file.
std::optional<std::filesystem::path> windowsOwnProgram(const std::filesystem::path& dir,
                                                       std::string_view name);

}  // namespace fuda
