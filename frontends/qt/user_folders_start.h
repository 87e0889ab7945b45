#pragma once
// The folders either program works from, made ready at its start. From the
// build tree nothing changes. Installed, the user's own folders are made when
// missing (a message says what could not be), the program works from the
// data folder, and the default voice is made there on the first start.
#include "core/texts/language.h"
#include "adapters/posix/user_folders.h"

namespace fuda {

// GUI thread, before the main window exists.
ProgramFolders prepareUserFolders(Language language);

}  // namespace fuda
