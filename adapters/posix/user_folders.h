#pragma once
// Where a program keeps its settings, voices and reading list. Run from the
// build tree, everything lies where it always has: the settings file and the
// default voice in the working folder, the list beside the program. Installed,
// each user has folders of their own (XDG): the settings under the
// configuration folder, the voices under the data folder, which is also the
// working folder that relative paths in the settings start from.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/texts/language.h"
#include "core/order/list_path_shown.h"

namespace fuda {

enum class Layout { BuildTree, Installed };

inline constexpr std::string_view kUserFolderName = "fudayomi";
// The installed voice maker, beside the installed programs.
inline constexpr std::string_view kInstalledVoiceMaker = "fudayomi-make-voice";

// What the choice depends on, read from the process's environment.
struct FolderEnvironment {
  Layout layout = Layout::BuildTree;
  std::filesystem::path programDir;
  std::filesystem::path currentDir;
  // Installed: the installation's shared data (the help file) beside the
  // programs' folder.
  std::filesystem::path sharedDataDir;
  std::string home;        // $HOME, else the password entry's home folder
  std::string configHome;  // $XDG_CONFIG_HOME as set, possibly empty
  std::string dataHome;    // $XDG_DATA_HOME as set, possibly empty
};

// Whether a new file can be made in a folder.
using WritableProbe = std::function<bool(const std::filesystem::path&)>;


struct ProgramFolders {
  Layout layout = Layout::BuildTree;
  std::filesystem::path settingsFile;
  std::filesystem::path workingDir;  // relative paths in the settings start here
  std::filesystem::path listDir;     // where "readlist.txt" is written and read
  ListPathShown listPathShown = ListPathShown::No;
  // Installed only: the user's folders, made at start when missing, and the
  // folder of the default voice.
  std::filesystem::path configDir;
  std::filesystem::path dataDir;
  std::filesystem::path defaultVoiceDir;
  std::filesystem::path sharedDataDir;
};

// Pure: the folders for `environment`. The list goes beside the program when
// `writable` says that folder takes new files, otherwise into the data folder.
ProgramFolders chooseProgramFolders(const FolderEnvironment& environment,
                                    const WritableProbe& writable);

// The environment of this process. The program counts as installed when the
// shared-data folder of an installation lies at its place beside the programs'
// folder.
FolderEnvironment currentFolderEnvironment();

// A real probe: the folder exists and this process may make files in it.
bool folderIsWritable(const std::filesystem::path& dir);

// Makes the user's folders (mode 0700, as XDG asks) and, when none is there, a
// settings file whose every line is a comment, so that a user finds where the
// settings go. The file appears whole or not at all. Returns the message that
// says what could not be made, or an empty string.
std::string makeUserFolders(const ProgramFolders& folders, Language language);

}  // namespace fuda
