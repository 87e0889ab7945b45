#include "core/settings/user_folders.h"

#include <fstream>

#include "core/encoding/utf8_path.h"
#include "core/settings/settings_file.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSettingsTemplate[] = {
    "; fudayomi settings, read at every start and never written by the programs.",
    "; Remove the \";\" before a key to use it. Relative paths start from the",
    "; data folder (@DATA@), which holds the default voice.",
    "[Reader]",
    ";Num=1            ; the voice used at start: 1 to 4",
    "[Path]",
    ";Data1=./data     ; the folder of voice 1: the default voice",
    ";Data2=",
    ";Data3=",
    ";Data4=",
    "[Auto]",
    ";Auto=0           ; 1 = start in automatic mode",
    ";Itvl=3           ; seconds between cards in automatic mode",
    "[Timer]",
    ";Use=1            ; 1 = a right double-click starts with the countdown",
    ";Posx=180         ; where the countdown window opens",
    ";Posy=340",
};

std::string settingsTemplate(std::string_view dataFolderShown, std::string_view lineEnd) {
  std::string text;
  for (std::string_view line : kSettingsTemplate) {
    std::string own(line);
    if (const auto at = own.find("@DATA@"); at != std::string::npos) {
      own.replace(at, 6, dataFolderShown);
    }
    text += own;
    text += lineEnd;
  }
  return text;
}

// The reason in the C library's words: a system's own message may be in
// its code page rather than UTF-8.
std::string reasonFor(const std::error_code& error) {
  return error.default_error_condition().message();
}

std::string cannotMake(Language language, const fs::path& path, const std::string& reason) {
  return std::string(pick(language, {"作成できませんでした: ", "Cannot make "})) +
         utf8FromPath(path) + "\n" + reason;
}

// Through a new file renamed into place, so a full disk never leaves a
// half-written settings file behind; an existing file is never replaced.
std::string writeSettingsTemplate(const fs::path& file, Language language,
                                  std::string_view text) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(file, error))) return {};
  fs::path temporary = file;
  temporary += ".new";
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out << text;
  out.flush();
  const bool written = out.good();
  out.close();
  if (written) fs::rename(temporary, file, error);
  if (!written || error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return cannotMake(language, file, written ? reasonFor(error) : std::string("write error"));
  }
  return {};
}

}  // namespace

ProgramFolders chooseProgramFolders(const FolderEnvironment& environment) {
  ProgramFolders folders;
  folders.layout = environment.layout;
  folders.helpFile = environment.helpFile;
  if (environment.layout == Layout::BuildTree) {
    folders.settingsFile = kSettingsFileName;
    folders.workingDir = environment.currentDir;
    folders.listDir = environment.programDir;
    return folders;
  }
  if (!environment.configBase.empty()) folders.configDir = environment.configBase / kUserFolderName;
  if (!environment.dataBase.empty()) folders.dataDir = environment.dataBase / kUserFolderName;
  // Without a home there is nowhere of the user's own: the current folder
  // stands in, as it does for a program run from the build tree.
  folders.settingsFile = folders.configDir.empty()
                             ? environment.currentDir / kSettingsFileName
                             : folders.configDir / kSettingsFileName;
  folders.workingDir = folders.dataDir.empty() ? environment.currentDir : folders.dataDir;
  if (!folders.dataDir.empty()) folders.defaultVoiceDir = folders.dataDir / "data";
  // An installed program's folder belongs to the installation, which may
  // remove or replace it: the list is the user's and goes with the voices.
  folders.listDir = folders.workingDir;
  folders.listPathShown = ListPathShown::Yes;
  return folders;
}

std::string makeUserFolders(const ProgramFolders& folders, Language language,
                            const FolderMaker& makeFolder, std::string_view dataFolderShown,
                            std::string_view lineEnd) {
  if (folders.layout != Layout::Installed) return {};
  if (folders.configDir.empty() || folders.dataDir.empty()) {
    return std::string(pick(language, {"ホームフォルダがありません。",
                                       "There is no home folder."}));
  }
  for (const fs::path& dir : {folders.configDir, folders.dataDir}) {
    std::error_code error;
    // The base folders as the desktop would make them; our own folder as the
    // platform makes a user's private folder. A folder already there stays
    // as it is.
    fs::create_directories(dir.parent_path(), error);
    if (!error) error = makeFolder(dir);
    if (!error && fs::is_directory(dir, error)) continue;
    return cannotMake(language, dir, error ? reasonFor(error) : std::string("not a folder"));
  }
  return writeSettingsTemplate(folders.settingsFile, language,
                               settingsTemplate(dataFolderShown, lineEnd));
}

}  // namespace fuda
