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
  environment.configBase = "/home/club/.config";
  environment.dataBase = "/home/club/.local/share";
  return environment;
}

FolderEnvironment installedWithHome(const fs::path& home) {
  FolderEnvironment environment = installed();
  environment.configBase = xdgBase("", home.string(), ".config");
  environment.dataBase = xdgBase("", home.string(), ".local/share");
  return environment;
}

TEST(UserFolders, FromTheBuildTreeEverythingStaysInTheWorkingAndProgramFolders) {
  FolderEnvironment environment = installed();
  environment.layout = Layout::BuildTree;
  environment.programDir = "/src/fudayomi/build";
  const ProgramFolders folders = chooseProgramFolders(environment);
  EXPECT_EQ(folders.settingsFile, fs::path("fudayomi.ini"));
  EXPECT_EQ(folders.workingDir, environment.currentDir);
  EXPECT_EQ(folders.listDir, environment.programDir);
  EXPECT_EQ(folders.listPathShown, ListPathShown::No);
  EXPECT_TRUE(folders.configDir.empty());
  EXPECT_TRUE(folders.defaultVoiceDir.empty());
}

TEST(UserFolders, InstalledTheSettingsGoToTheConfigurationFolderAndTheRestToTheData) {
  const ProgramFolders folders = chooseProgramFolders(installed());
  EXPECT_EQ(folders.settingsFile, fs::path("/home/club/.config/fudayomi/fudayomi.ini"));
  EXPECT_EQ(folders.workingDir, fs::path("/home/club/.local/share/fudayomi"));
  EXPECT_EQ(folders.defaultVoiceDir, fs::path("/home/club/.local/share/fudayomi/data"));
  EXPECT_EQ(folders.listDir, fs::path("/home/club/.local/share/fudayomi"));
  EXPECT_EQ(folders.listPathShown, ListPathShown::Yes);
}

TEST(UserFolders, XdgBasesIgnoreRelativeOrEmptyValues) {
  EXPECT_EQ(xdgBase("/cfg", "/home/club", ".config"), fs::path("/cfg"));
  EXPECT_EQ(xdgBase("relative/cfg", "/home/club", ".config"), fs::path("/home/club/.config"));
  EXPECT_EQ(xdgBase("", "/home/club", ".local/share"), fs::path("/home/club/.local/share"));
  EXPECT_TRUE(xdgBase("", "", ".config").empty());
}

TEST(UserFolders, WithoutAHomeTheCurrentFolderStandsInAndTheUserIsTold) {
  FolderEnvironment environment = installed();
  environment.configBase.clear();
  environment.dataBase.clear();
  const ProgramFolders folders = chooseProgramFolders(environment);
  EXPECT_EQ(folders.settingsFile, fs::path("/home/club/somewhere/fudayomi.ini"));
  EXPECT_EQ(folders.workingDir, environment.currentDir);
  EXPECT_EQ(folders.listDir, environment.currentDir);
  EXPECT_EQ(makeUserFolders(folders, Language::English), "There is no home folder.");
}

TEST(UserFolders, FirstStartMakesPrivateFoldersAndASettingsFileOfComments) {
  testing::TempFolder home;
  const ProgramFolders folders = chooseProgramFolders(installedWithHome(home.path()));
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
  const ProgramFolders folders = chooseProgramFolders(installedWithHome(home.path()));
  const std::string message = makeUserFolders(folders, Language::English);
  EXPECT_NE(message.find("Cannot make " + folders.dataDir.string()), std::string::npos)
      << message;
}

}  // namespace
}  // namespace fuda
