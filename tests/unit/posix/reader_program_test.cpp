// The reader program's start-up over fake ports, without windows.
#include "core/game/reader_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/screen/control_ids.h"
#include "core/screen/tool_window_names.h"
#include "tests/fakes/fake_program_ports.h"

namespace fuda::testing {
namespace {

class RecordingFrontEnd : public ReaderFrontEnd {
 public:
  void openToolWindow(std::string_view name) override { opened.emplace_back(name); }
  void openHelp(const std::filesystem::path&) override {}
  void pauseWithoutInput(double) override {}
  std::vector<std::string> opened;
};

// Without a settings file the countdown is on, and the start-up must not
// lose that to the game's reset: a right double-click then starts with it.
TEST(ReaderProgramStartUp, ADefaultRightDoubleClickStartsWithTheCountdown) {
  FakeProgramPorts ports;
  RecordingReaderView view{ports.virtualClock};
  RecordingFrontEnd frontEnd;
  ReaderProgram program(Language::Japanese,
                        {ports.temp.path() / "fudayomi.ini", ports.temp.path()}, ports, view,
                        frontEnd);
  program.startUp();
  program.dispatchCommand(kGestureRightDoubleClick);
  EXPECT_EQ(frontEnd.opened, std::vector<std::string>{std::string(kTimerWindowName)});
  program.shutdown();
}

}  // namespace
}  // namespace fuda::testing
