#include "adapters/posix/user_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "core/settings/settings_file.h"
#include "tests/fakes/temp_folder.h"

namespace fuda {
namespace {

namespace fs = std::filesystem;

FolderEnvironment installed() {
  FolderEnvironment environment;
  environment.layout = Layout::Installed;
  environment.programDir = "/usr/bin";
  environment.currentDir = "/home/club/somewhere";
  environment.home = "/home/club";
  return environment;
}

const WritableProbe kWritable = [](const fs::path&) { return true; };
const WritableProbe kReadOnly = [](const fs::path&) { return false; };

TEST(UserFolders, FromTheBuildTreeEverythingStaysInTheWorkingAndProgramFolders) {
  FolderEnvironment environment = installed();
  environment.layout = Layout::BuildTree;
  environment.programDir = "/src/fudayomi/build";
  const ProgramFolders folders = chooseProgramFolders(environment, kReadOnly);
  EXPECT_EQ(folders.settingsFile, fs::path("fudayomi.ini"));
  EXPECT_EQ(folders.workingDir, environment.currentDir);
  EXPECT_EQ(folders.listDir, environment.programDir);
  EXPECT_EQ(folders.listPathShown, ListPathShown::No);
  EXPECT_TRUE(folders.configDir.empty());
  EXPECT_TRUE(folders.defaultVoiceDir.empty());
}

TEST(UserFolders, InstalledTheyFollowXdgAndIgnoreRelativeOrEmptyValues) {
  FolderEnvironment environment = installed();
  environment.configHome = "/cfg";
  environment.dataHome = "/dat";
  ProgramFolders folders = chooseProgramFolders(environment, kWritable);
  EXPECT_EQ(folders.settingsFile, fs::path("/cfg/fudayomi/fudayomi.ini"));
  EXPECT_EQ(folders.workingDir, fs::path("/dat/fudayomi"));
  EXPECT_EQ(folders.defaultVoiceDir, fs::path("/dat/fudayomi/data"));
  EXPECT_EQ(folders.listDir, fs::path("/usr/bin"));
  EXPECT_EQ(folders.listPathShown, ListPathShown::Yes);

  environment.configHome = "relative/cfg";
  environment.dataHome = "";
  folders = chooseProgramFolders(environment, kWritable);
  EXPECT_EQ(folders.configDir, fs::path("/home/club/.config/fudayomi"));
  EXPECT_EQ(folders.dataDir, fs::path("/home/club/.local/share/fudayomi"));
}

TEST(UserFolders, TheListGoesToTheDataFolderWhenTheProgramFolderIsReadOnly) {
  const ProgramFolders folders = chooseProgramFolders(installed(), kReadOnly);
  EXPECT_EQ(folders.listDir, fs::path("/home/club/.local/share/fudayomi"));
}

TEST(UserFolders, WithoutAHomeTheCurrentFolderStandsInAndTheUserIsTold) {
  FolderEnvironment environment = installed();
  environment.home.clear();
  const ProgramFolders folders = chooseProgramFolders(environment, kReadOnly);
  EXPECT_EQ(folders.settingsFile, fs::path("/home/club/somewhere/fudayomi.ini"));
  EXPECT_EQ(folders.workingDir, environment.currentDir);
  EXPECT_EQ(folders.listDir, environment.currentDir);
  EXPECT_EQ(makeUserFolders(folders, Language::English), "There is no home folder.");
}

TEST(UserFolders, FirstStartMakesPrivateFoldersAndASettingsFileOfComments) {
  testing::TempFolder home;
  FolderEnvironment environment = installed();
  environment.home = home.path().string();
  const ProgramFolders folders = chooseProgramFolders(environment, kReadOnly);
  ASSERT_EQ(makeUserFolders(folders, Language::English), "");
  for (const fs::path& dir : {folders.configDir, folders.dataDir}) {
    struct stat info {};
    ASSERT_EQ(stat(dir.c_str(), &info), 0) << dir;
    EXPECT_EQ(info.st_mode & 0777, 0700u) << dir;
  }
  // Every key is commented out, so the defaults apply until the user edits.
  const SettingsFile settings(folders.settingsFile);
  EXPECT_FALSE(settings.problem().has_value());
  EXPECT_EQ(settings.read("Reader", "Num", "absent"), "absent");
  EXPECT_EQ(settings.read("Path", "Data1", "absent"), "absent");
  EXPECT_FALSE(fs::exists(fs::path(folders.settingsFile) += ".new"));

  // The user's own file is never replaced.
  std::ofstream(folders.settingsFile) << "[Reader]\nNum=2\n";
  ASSERT_EQ(makeUserFolders(folders, Language::English), "");
  EXPECT_EQ(SettingsFile(folders.settingsFile).read("Reader", "Num", "1"), "2");
}

TEST(UserFolders, AFolderThatCannotBeMadeIsNamedInTheMessage) {
  testing::TempFolder home;
  home.write(".local", "a file where a folder should be");
  FolderEnvironment environment = installed();
  environment.home = home.path().string();
  const ProgramFolders folders = chooseProgramFolders(environment, kReadOnly);
  const std::string message = makeUserFolders(folders, Language::English);
  EXPECT_NE(message.find("Cannot make " + folders.dataDir.string()), std::string::npos)
      << message;
}

}  // namespace
}  // namespace fuda
