#include "adapters/win32/windows_shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "adapters/program_dir.h"
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

TEST(WindowsShell, RunsTheDecoderInItsFolderAndDeletesTheMarker) {
  TempFolder folder;
  folder.write("my voice/100% a&b.mp3", "clip");
  WindowsShell shell;
  const ScriptSteps steps{folder / "my voice", fakeDecoder(), {"100% a&b.mp3", "out put.wav"},
                          folder / "Lock.dat"};
  const auto script = writeScript(shell, folder, steps);
  ASSERT_EQ(shell.startScript(script, folder.path()), ShellStart::Started);
  ASSERT_TRUE(within([&] { return !std::filesystem::exists(folder / "Lock.dat"); }));
  std::ifstream out(folder / "my voice" / "out put.wav");
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
