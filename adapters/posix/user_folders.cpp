#include "adapters/posix/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

#include "adapters/program_dir.h"
#include "core/settings/settings_file.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

// XDG: a variable that is unset, empty or relative is ignored.
fs::path baseFolder(const std::string& variable, const std::string& home,
                    std::string_view fallback) {
  if (!variable.empty() && fs::path(variable).is_absolute()) return variable;
  if (home.empty()) return {};
  return fs::path(home) / fallback;
}

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string homeFolder() {
  std::string home = environmentValue("HOME");
  if (!home.empty()) return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir) {
    return entry->pw_dir;
  }
  return {};
}

constexpr std::string_view kSettingsTemplate =
    "; fudayomi settings, read at every start and never written by the programs.\n"
    "; Remove the \";\" before a key to use it. Relative paths start from the\n"
    "; data folder (~/.local/share/fudayomi), which holds the default voice.\n"
    "[Reader]\n"
    ";Num=1            ; the voice used at start: 1 to 4\n"
    "[Path]\n"
    ";Data1=./data     ; the folder of voice 1: the default voice\n"
    ";Data2=\n"
    ";Data3=\n"
    ";Data4=\n"
    "[Auto]\n"
    ";Auto=0           ; 1 = start in automatic mode\n"
    ";Itvl=3           ; seconds between cards in automatic mode\n"
    "[Timer]\n"
    ";Use=1            ; 1 = a right double-click starts with the countdown\n"
    ";Posx=180         ; where the countdown window opens\n"
    ";Posy=340\n";

std::string cannotMake(Language language, const fs::path& path, const std::string& reason) {
  return std::string(pick(language, {"作成できませんでした: ", "Cannot make "})) +
         path.string() + "\n" + reason;
}

// Through a new file renamed into place, so a full disk never leaves a
// half-written settings file behind; an existing file is never replaced.
std::string writeSettingsTemplate(const fs::path& file, Language language) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(file, error))) return {};
  fs::path temporary = file;
  temporary += ".new";
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out << kSettingsTemplate;
  out.flush();
  const bool written = out.good();
  out.close();
  if (!written || std::rename(temporary.c_str(), file.c_str()) != 0) {
    const int saved = errno;
    fs::remove(temporary, error);
    return cannotMake(language, file,
                      written ? std::generic_category().message(saved)
                              : std::string("write error"));
  }
  return {};
}

}  // namespace

ProgramFolders chooseProgramFolders(const FolderEnvironment& environment,
                                    const WritableProbe& writable) {
  ProgramFolders folders;
  folders.layout = environment.layout;
  if (environment.layout == Layout::BuildTree) {
    folders.settingsFile = kSettingsFileName;
    folders.workingDir = environment.currentDir;
    folders.listDir = environment.programDir;
    return folders;
  }
  const fs::path configBase =
      baseFolder(environment.configHome, environment.home, ".config");
  const fs::path dataBase =
      baseFolder(environment.dataHome, environment.home, ".local/share");
  if (!configBase.empty()) folders.configDir = configBase / kUserFolderName;
  if (!dataBase.empty()) folders.dataDir = dataBase / kUserFolderName;
  // Without a home there is nowhere of the user's own: the current folder
  // stands in, as it does for a program run from the build tree.
  folders.settingsFile = folders.configDir.empty()
                             ? environment.currentDir / kSettingsFileName
                             : folders.configDir / kSettingsFileName;
  folders.workingDir = folders.dataDir.empty() ? environment.currentDir : folders.dataDir;
  if (!folders.dataDir.empty()) folders.defaultVoiceDir = folders.dataDir / "data";
  folders.listDir = writable(environment.programDir) ? environment.programDir
                                                     : folders.workingDir;
  folders.listPathShown = ListPathShown::Yes;
  folders.sharedDataDir = environment.sharedDataDir;
  return folders;
}

FolderEnvironment currentFolderEnvironment() {
  FolderEnvironment environment;
  environment.programDir = programDir();
  std::error_code error;
  environment.currentDir = fs::current_path(error);
  environment.home = homeFolder();
  environment.configHome = environmentValue("XDG_CONFIG_HOME");
  environment.dataHome = environmentValue("XDG_DATA_HOME");
  // FUDA_DATA_FROM_PROGRAM: the shared-data folder seen from the programs'
  // folder in an installation ("../share/fudayomi").
  const fs::path shared = (environment.programDir / FUDA_DATA_FROM_PROGRAM).lexically_normal();
  if (fs::is_directory(shared, error)) {
    environment.layout = Layout::Installed;
    environment.sharedDataDir = shared;
  }
  return environment;
}

bool folderIsWritable(const fs::path& dir) {
  std::error_code error;
  return fs::is_directory(dir, error) && access(dir.c_str(), W_OK | X_OK) == 0;
}

std::string makeUserFolders(const ProgramFolders& folders, Language language) {
  if (folders.layout != Layout::Installed) return {};
  if (folders.configDir.empty() || folders.dataDir.empty()) {
    return std::string(pick(language, {"ホームフォルダがありません。",
                                       "There is no home folder."}));
  }
  for (const fs::path& dir : {folders.configDir, folders.dataDir}) {
    std::error_code error;
    // The base folders as the desktop would make them; our own folder mode
    // 0700, as XDG asks. A folder that is already there stays as it is.
    fs::create_directories(dir.parent_path(), error);
    if (!error && mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
      error = std::error_code(errno, std::generic_category());
    }
    if (!error && fs::is_directory(dir, error)) continue;
    return cannotMake(language, dir,
                      error ? error.message() : std::string("not a folder"));
  }
  return writeSettingsTemplate(folders.settingsFile, language);
}

}  // namespace fuda
