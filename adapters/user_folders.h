#pragma once
// This platform's side of the per-user folders (core/settings/user_folders.h):
// where this process's folders are and how it knows it is installed, and
// making them. Each platform defines these in an adapter of its own.
#include <string>

#include "core/settings/user_folders.h"
#include "core/texts/language.h"

namespace fuda {

// The environment of this process.
FolderEnvironment currentFolderEnvironment();

// The user's folders and first settings file, made as this platform makes a
// user's private folders; the message that says what could not be made, or an
// empty string.
std::string makeUserFolders(const ProgramFolders& folders, Language language);

}  // namespace fuda
