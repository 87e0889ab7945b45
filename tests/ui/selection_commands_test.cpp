// The two menu commands that open the selection dialogs over the reader's
// main window.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "reader/cards/card_selection_rules.h"
#include "reader/cards/third_game_rules.h"
#include "reader/frame/main_window.h"
#include "reader/frame/reader_app.h"
#include "tests/fakes/temp_folder.h"
#include "tests/ui/tool_window_driver.h"

namespace fuda {
namespace {

using testing::driveToolWindow;

// A working folder whose voice has clips, so that start-up shows no message.
class SelectionCommandsTest : public ::testing::Test {
 protected:
  SelectionCommandsTest() {
    folder.write("voice/I-000A.wav", "");
    folder.write("fudayomi.ini", "[Path]\nData1=" + (folder / "voice").string() + "\n");
    app = std::make_unique<ReaderApp>(Language::English,
                                      ReaderPaths{folder / "fudayomi.ini", folder.path()});
    app->window().show();
  }

  testing::ToolWindowRun command(int id, std::string_view name,
                                 const std::function<void(ToolWindow&)>& drive) {
    return driveToolWindow(&app->window(), name, drive, [&] {
      app->dispatchCommand(id);
      return 0;
    });
  }

  testing::TempFolder folder;
  std::unique_ptr<ReaderApp> app;
};

TEST_F(SelectionCommandsTest, SelectionOpensWhenIdleAndItsChoiceStays) {
  bool mainWindowEnabled = true;
  const auto run = command(kCmdCardSelection, kCardSelectionWindowName, [&](ToolWindow& tool) {
    mainWindowEnabled = app->window().isEnabled();
    QTest::mouseClick(tool.client()->findChild<QPushButton*>("1220"), Qt::LeftButton);
    QTest::mouseClick(tool.client()->findChild<QPushButton*>(QString::number(kSelectionOkButton)),
                      Qt::LeftButton);
  });
  EXPECT_TRUE(run.opened);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_FALSE(mainWindowEnabled);
  EXPECT_TRUE(app->window().isEnabled());
  EXPECT_EQ(app->selection().selectionActive, 1);
  EXPECT_EQ(app->selection().selectedCount, 16);
}

TEST_F(SelectionCommandsTest, ThirdGameOpensWhenIdle) {
  const auto run = command(kCmdThirdGame, kThirdGameWindowName, [&](ToolWindow& tool) {
    QTest::mouseClick(tool.client()->findChild<QPushButton*>("1005"), Qt::LeftButton);
    QTest::mouseClick(tool.client()->findChild<QPushButton*>(QString::number(kThirdOkButton)),
                      Qt::LeftButton);
  });
  EXPECT_TRUE(run.opened);
  EXPECT_EQ(app->selection().thirdChoice, 3);
  EXPECT_EQ(app->selection().selectedCount, 33);
}

TEST_F(SelectionCommandsTest, NeitherOpensDuringAGameOrWhileBusy) {
  for (auto [running, busy] : {std::pair<int, int>{1, kIdle}, {0, kPlaying}, {0, kStopRequested}}) {
    app->state().running = static_cast<std::int16_t>(running);
    app->state().busy = static_cast<std::int16_t>(busy);
    EXPECT_FALSE(command(kCmdCardSelection, kCardSelectionWindowName, [](ToolWindow&) {}).opened);
    EXPECT_FALSE(command(kCmdThirdGame, kThirdGameWindowName, [](ToolWindow&) {}).opened);
    EXPECT_TRUE(app->window().isEnabled());
  }
}

}  // namespace
}  // namespace fuda
