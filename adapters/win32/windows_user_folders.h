#pragma once
// The per-user folders on Windows. The installer leaves its uninstaller
// beside the programs: a program that finds it there counts as installed and
// keeps the user's settings under %APPDATA% and the voices, the list and the
// working folder under %LOCALAPPDATA%. A portable copy (the zip) keeps
// everything beside itself. Either way Help opens the read-me beside the
// programs.
#include <string_view>

#include "adapters/user_folders.h"

namespace fuda {

// The uninstaller's name, as the installer writes it.
inline constexpr std::wstring_view kUninstallerName = L"uninstall.exe";
inline constexpr std::wstring_view kReadMeName = L"README.txt";

}  // namespace fuda
