#include "adapters/win32/windows_user_folders.h"

#include <windows.h>
#include <shlobj.h>

#include <system_error>

#include "adapters/program_dir.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

// A folder of the user's as the shell names it, whether or not it is there;
// empty when the shell knows none.
fs::path knownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  fs::path folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

// Made under the user's profile, the folder takes the profile's access: the
// user's own.
std::error_code makeFolder(const fs::path& dir) {
  if (!CreateDirectoryW(dir.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    return std::error_code(static_cast<int>(GetLastError()), std::system_category());
  }
  return {};
}

}  // namespace

FolderEnvironment currentFolderEnvironment() {
  FolderEnvironment environment;
  environment.programDir = programDir();
  std::error_code error;
  environment.currentDir = fs::current_path(error);
  environment.helpFile = environment.programDir / kReadMeName;
  if (fs::is_regular_file(environment.programDir / kUninstallerName, error)) {
    environment.layout = Layout::Installed;
  }
  environment.configBase = knownFolder(FOLDERID_RoamingAppData);
  environment.dataBase = knownFolder(FOLDERID_LocalAppData);
  return environment;
}

std::string makeUserFolders(const ProgramFolders& folders, Language language) {
  return makeUserFolders(folders, language, makeFolder, "%LOCALAPPDATA%\\fudayomi", "\r\n");
}

}  // namespace fuda
