#pragma once
// Where a program keeps its settings, voices and reading list. Run from the
// build tree or from a portable copy (the Windows zip), everything lies where
// it always has: the settings file and the default voice in the working
// folder, the list beside the program. Installed, each user has folders of
// their own: the settings under the configuration folder, the voices and the
// list under the data folder, which is also the working folder that relative
// paths in the settings start from. Each platform's adapter reads where those
// folders are and how it knows it is installed; the rule is this one.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "core/order/list_path_shown.h"
#include "core/texts/language.h"

namespace fuda {

enum class Layout { BuildTree, Installed };

inline constexpr std::string_view kUserFolderName = "fudayomi";

// What the choice depends on, read by the platform's adapter.
struct FolderEnvironment {
  Layout layout = Layout::BuildTree;
  std::filesystem::path programDir;
  std::filesystem::path currentDir;
  // The bases of the user's folders (~/.config and ~/.local/share,
  // %APPDATA% and %LOCALAPPDATA%); empty when the user has none.
  std::filesystem::path configBase;
  std::filesystem::path dataBase;
  // The read-me that Help opens; empty: the help file in the working folder.
  std::filesystem::path helpFile;
};

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
  std::filesystem::path helpFile;
};

// Pure: the folders for `environment`.
ProgramFolders chooseProgramFolders(const FolderEnvironment& environment);

// Makes one folder of the user's own, readable by the user alone where the
// platform says so; a folder already there is no error.
using FolderMaker = std::function<std::error_code(const std::filesystem::path&)>;

// Makes the user's folders and, when none is there, a settings file whose
// every line is a comment, so that a user finds where the settings go; the
// file names the data folder as `dataFolderShown` and ends its lines with
// `lineEnd`. The file appears whole or not at all. Returns the message that
// says what could not be made, or an empty string.
std::string makeUserFolders(const ProgramFolders& folders, Language language,
                            const FolderMaker& makeFolder, std::string_view dataFolderShown,
                            std::string_view lineEnd);

}  // namespace fuda
