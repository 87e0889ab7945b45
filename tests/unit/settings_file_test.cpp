#include "core/settings/settings_file.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_ports.h"
#include "tests/fakes/temp_folder.h"

namespace fuda {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

TEST(SettingsFile, MissingFileSectionOrKeyGivesTheDefault) {
  TempFolder folder;
  const SettingsFile missing(folder / "none.ini");
  EXPECT_EQ(missing.read("Reader", "Num", "1"), "1");

  const SettingsFile settings(folder.write("a.ini", "[Reader]\nNum=2\n"));
  EXPECT_EQ(settings.read("Path", "Data2", ".\\data"), ".\\data");
  EXPECT_EQ(settings.read("Reader", "Other", "x"), "x");
}

TEST(SettingsFile, NamesMatchWithoutCaseAndValuesAreTrimmed) {
  TempFolder folder;
  const SettingsFile settings(folder.write(
      "a.ini", "  [ reader ]  \r\n  NUM =   3   \r\n[AUTO]\nitvl=\t2.5\t\n"));
  EXPECT_EQ(settings.read("Reader", "Num", "1"), "3");
  EXPECT_EQ(settings.read("Auto", "Itvl", "3"), "2.5");
}

TEST(SettingsFile, CommentsGarbageAndDuplicates) {
  TempFolder folder;
  const SettingsFile settings(folder.write("a.ini",
                                           "garbage line\n"
                                           "=no key\n"
                                           "[Timer\n"
                                           "[Timer]\n"
                                           ";Posx=1\n"
                                           "Posx=180\n"
                                           "Posx=999\n"
                                           "\x01\x02\xff binary\n"
                                           "Use=\"0\"\n"));
  EXPECT_EQ(settings.read("Timer", "Posx", "0"), "180");
  EXPECT_EQ(settings.read("Timer", ";Posx", "none"), "none");
  EXPECT_EQ(settings.read("Timer", "Use", "1"), "0");
}

TEST(SettingsValue, AKeyCountsOnlyInItsOwnSection) {
  const std::string_view text = "Num=4\n[Reader]\n[Timer]\nNum=5\n";
  EXPECT_EQ(settingsValue(text, "Reader", "Num"), std::nullopt);
}

TEST(SettingsValue, EmptyQuotesAreAnEmptyValue) {
  EXPECT_EQ(settingsValue("[Path]\nData1=\"\"\n", "Path", "Data1"), "");
}

TEST(SettingsFile, LongValuesAreCutAt255Characters) {
  TempFolder folder;
  const SettingsFile settings(
      folder.write("a.ini", "[Path]\nData1=" + std::string(1000, 'x') + "\n"));
  EXPECT_EQ(settings.read("Path", "Data1", ""), std::string(255, 'x'));

  // A cut never splits a UTF-8 character ("声" is three bytes)...
  std::string kanji;
  for (int i = 0; i < 100; ++i) kanji += "声";
  const SettingsFile cut(folder.write("k.ini", "[Path]\nData1=x" + kanji + "\n"));
  EXPECT_EQ(cut.read("Path", "Data1", "").size(), 253u);
  // ...and bytes that are neither UTF-8 nor CP932 are cut at 255, not
  // stepped back over to nothing.
  const SettingsFile raw(folder.write("r.ini", "[Path]\nData1=" + std::string(300, '\x80') + "\n"));
  EXPECT_EQ(raw.read("Path", "Data1", ""), std::string(255, '\x80'));
}

TEST(SettingsFile, ReadsUtf8WithBomAndCp932) {
  TempFolder folder;
  const SettingsFile bom(folder.write("bom.ini", "\xEF\xBB\xBF[Path]\nData1=./声\n"));
  EXPECT_EQ(bom.read("Path", "Data1", ""), "./声");
  // "./声" in CP932: the kanji is 0x90 0xBA.
  const SettingsFile sjis(folder.write("sjis.ini", "[Path]\r\nData1=./\x90\xBA\r\n"));
  EXPECT_EQ(sjis.read("Path", "Data1", ""), "./声");
}

TEST(SettingsFile, ADirectoryOrHugeFileReadsAsMissing) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "dir.ini");
  EXPECT_EQ(SettingsFile(folder / "dir.ini").read("Reader", "Num", "1"), "1");
  const SettingsFile huge(folder.write("huge.ini", std::string(3 << 20, ' ') + "\n[Reader]\nNum=4\n"));
  EXPECT_EQ(huge.read("Reader", "Num", "1"), "1");
}

TEST(SettingsFile, EachReadSeesTheFileAsItIsNow) {
  TempFolder folder;
  const SettingsFile settings(folder.write("a.ini", "[Auto]\nItvl=3\n"));
  EXPECT_EQ(settings.read("Auto", "Itvl", ""), "3");
  folder.write("a.ini", "[Auto]\nItvl=8\n");
  EXPECT_EQ(settings.read("Auto", "Itvl", ""), "8");
}

}  // namespace
}  // namespace fuda
