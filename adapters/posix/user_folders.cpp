#include "adapters/posix/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "adapters/program_dir.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

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

std::error_code makePrivateFolder(const fs::path& dir) {
  if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
    return std::error_code(errno, std::generic_category());
  }
  return {};
}

}  // namespace

fs::path xdgBase(const std::string& variable, const std::string& home,
                 std::string_view fallback) {
  if (!variable.empty() && fs::path(variable).is_absolute()) return variable;
  if (home.empty()) return {};
  return fs::path(home) / fallback;
}

FolderEnvironment currentFolderEnvironment() {
  FolderEnvironment environment;
  environment.programDir = programDir();
  std::error_code error;
  environment.currentDir = fs::current_path(error);
  // FUDA_DATA_FROM_PROGRAM: the shared-data folder seen from the programs'
  // folder in an installation ("../share/fudayomi"), where the read-me lies.
  const fs::path shared = (environment.programDir / FUDA_DATA_FROM_PROGRAM).lexically_normal();
  if (fs::is_directory(shared, error)) {
    environment.layout = Layout::Installed;
    environment.helpFile = shared / "README.md";
  }
  const std::string home = homeFolder();
  environment.configBase = xdgBase(environmentValue("XDG_CONFIG_HOME"), home, ".config");
  environment.dataBase = xdgBase(environmentValue("XDG_DATA_HOME"), home, ".local/share");
  return environment;
}

std::string makeUserFolders(const ProgramFolders& folders, Language language) {
  return makeUserFolders(folders, language, makePrivateFolder, "~/.local/share/fudayomi", "\n");
}

}  // namespace fuda
