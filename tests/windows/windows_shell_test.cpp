#include "adapters/win32/windows_shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "adapters/program_dir.h"
#include "core/encoding/utf8_path.h"
#include "tests/fakes/temp_folder.h"

namespace fuda {
namespace {

using testing::TempFolder;

// Real processes: waits until `done` holds, at most half a minute.
template <typename Condition>
bool within(Condition done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// Built beside the tests, so found through the program folder.
std::string fakeDecoder() { return (programDir() / "fake_decoder.exe").string(); }

std::filesystem::path writeScript(const Shell& shell, const TempFolder& folder,
                                  const ScriptSteps& steps) {
  folder.write("Lock.dat", "");
  return folder.write(shell.scriptName(), shell.scriptText(steps));
}

// Every path with kanji in it, which the console's code page cannot spell.
TEST(WindowsShell, RunsTheDecoderInItsFolderAndDeletesTheMarker) {
  TempFolder base;
  const auto folder = base / u8"一時 の場所";
  const auto voice = folder / u8"読手 の声";
  const auto decoder = folder / u8"読手" / "fake_decoder.exe";
  base.write(voice / "100% a&b.mp3", "clip");
  std::filesystem::create_directories(decoder.parent_path());
  std::filesystem::copy_file(programDir() / "fake_decoder.exe", decoder);
  WindowsShell shell;
  const ScriptSteps steps{voice, utf8FromPath(decoder),
                          {utf8FromPath(voice / "100% a&b.mp3"), utf8FromPath(folder / "out put.wav")},
                          folder / "Lock.dat"};
  base.write(folder / "Lock.dat", "");
  const auto script = base.write(folder / shell.scriptName(), shell.scriptText(steps));
  ASSERT_EQ(shell.startScript(script, folder), ShellStart::Started);
  ASSERT_TRUE(within([&] { return !std::filesystem::exists(folder / "Lock.dat"); }));
  std::ifstream out(folder / "out put.wav");
  std::string text;
  out >> text;
  EXPECT_EQ(text, "clip");
}

TEST(WindowsShell, StopEndsTheScriptAndItsDecoder) {
  TempFolder folder;
  const auto work = folder / "work";
  std::filesystem::create_directories(work);
  WindowsShell shell;
  const ScriptSteps steps{work, fakeDecoder(), {"hang"}, folder / "Lock.dat"};
  const auto script = writeScript(shell, folder, steps);
  ASSERT_EQ(shell.startScript(script, work), ShellStart::Started);
  ASSERT_TRUE(within([&] { return std::filesystem::exists(work / "running"); }));
  shell.stopScripts();
  // A running process holds its working folder; once both are ended it can
  // go. The script never reached its last line, so the marker stays.
  ASSERT_TRUE(within([&] {
    std::error_code error;
    std::filesystem::remove_all(work, error);
    return !error;
  }));
  EXPECT_TRUE(std::filesystem::exists(folder / "Lock.dat"));
}

}  // namespace
}  // namespace fuda
