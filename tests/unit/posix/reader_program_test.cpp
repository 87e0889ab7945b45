// The reader program's start-up over fake ports, without windows.
#include "core/game/reader_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/screen/tool_window_names.h"
#include "tests/fakes/fake_program_ports.h"
#include "tests/fakes/recording_front_end.h"

namespace fuda::testing {
namespace {

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
  program.dispatchCommand(ReaderCommand::RightDoubleClick);
  EXPECT_EQ(frontEnd.opened, std::vector<std::string>{std::string(kTimerWindowName)});
  program.shutdown();
}

}  // namespace
}  // namespace fuda::testing
