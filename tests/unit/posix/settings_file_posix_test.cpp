#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/settings/settings_file.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/temp_folder.h"

// Settings files that are there but cannot be read, made with what only POSIX
// has: a named pipe and a link to itself.
namespace fuda {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

TEST(SettingsFile, AFileThatIsThereButCannotBeReadIsReportedOnce) {
  TempFolder folder;
  RecordingMessages messages;
  // A missing file is no problem: the defaults apply silently.
  reportUnreadableSettings(SettingsFile(folder / "none.ini"), messages, Language::English);
  EXPECT_TRUE(messages.messages.empty());

  std::filesystem::create_directories(folder / "dir.ini");
  ASSERT_EQ(mkfifo((folder / "pipe.ini").c_str(), 0600), 0);
  // A link to itself: opening it fails with "too many levels of links".
  std::filesystem::create_symlink(folder / "loop.ini", folder / "loop.ini");
  folder.write("huge.ini", std::string(3 << 20, ' '));
  for (const char* name : {"dir.ini", "pipe.ini", "loop.ini", "huge.ini"}) {
    const SettingsFile settings(folder / name);
    // Reading never blocks on the pipe and gives the defaults.
    EXPECT_EQ(settings.read("Reader", "Num", "1"), "1") << name;
    ASSERT_TRUE(settings.problem()) << name;
    reportUnreadableSettings(settings, messages, Language::English);
  }
  ASSERT_EQ(messages.messages.size(), 4u);
  EXPECT_EQ(messages.messages[0].caption, "fudayomi.ini");
  EXPECT_NE(messages.messages[0].text.find("The settings file cannot be read; the defaults are used."),
            std::string::npos);
  EXPECT_NE(messages.messages[0].text.find("Is a directory"), std::string::npos);
  EXPECT_NE(messages.messages[2].text.find("loop.ini"), std::string::npos);
}

}  // namespace
}  // namespace fuda
