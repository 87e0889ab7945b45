#pragma once
// The help file, opened with the system's viewer for its kind (a read-me
// with Notepad when the system has none for it).
#include <filesystem>

namespace fuda {

// GUI thread. A missing file opens nothing and nothing is reported, as
// neither is a failing viewer.
void openHelpFile(const std::filesystem::path& file);

}  // namespace fuda
