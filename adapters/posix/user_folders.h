#pragma once
// The per-user folders on Linux (XDG). The program counts as installed when
// the shared-data folder of an installation lies at its place beside the
// programs' folder; the user's folders are then made with mode 0700, as XDG
// asks.
#include <filesystem>
#include <string>
#include <string_view>

#include "adapters/user_folders.h"

namespace fuda {

// The installed voice maker, beside the installed programs.
inline constexpr std::string_view kInstalledVoiceMaker = "fudayomi-make-voice";

// An XDG base folder: `variable` when it is an absolute path (unset, empty or
// relative values are ignored), else `fallback` under `home`; empty without
// a home.
std::filesystem::path xdgBase(const std::string& variable, const std::string& home,
                              std::string_view fallback);

}  // namespace fuda
