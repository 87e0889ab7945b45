#pragma once
// The folders either program works from, made ready at its start. A portable
// copy changes nothing. Installed, the user's own folders are made when
// missing (a message says what could not be), the program works from the
// data folder, and on the first start the installed default voice is copied
// there, where the settings' ".\data" finds it.
#include "core/ports/message_sink.h"
#include "core/settings/user_folders.h"
#include "core/texts/language.h"

namespace fuda {

// GUI thread, before the main window exists.
ProgramFolders prepareUserFolders(Language language, MessageSink& messages);

}  // namespace fuda
