#pragma once
// The help file, opened with the system's viewer for its kind.
#include <filesystem>

namespace fuda {

// GUI thread. A missing file opens nothing and nothing is reported, as
// neither is a failing viewer.
void openHelpFile(const std::filesystem::path& file);

}  // namespace fuda
