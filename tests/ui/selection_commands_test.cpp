// The two menu commands that open the selection dialogs over the reader's
// main window.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "core/cards/card_selection_rules.h"
#include "core/cards/third_game_rules.h"
#include "frontends/qt/main_window.h"
#include "tests/ui/reader_under_test.h"
#include "tests/ui/tool_window_driver.h"

namespace fuda {
namespace {

using testing::driveToolWindow;

// (When the commands refuse is the dispatch's unit tests' business.)
class SelectionCommandsTest : public ::testing::Test {
 protected:
  SelectionCommandsTest() { reader.window().show(); }

  testing::ToolWindowRun command(ReaderCommand id, std::string_view name,
                                 const std::function<void(ToolWindow&)>& drive) {
    return driveToolWindow(&reader.window(), name, drive, [&] {
      reader.app->program().dispatchCommand(id);
      return 0;
    });
  }
  CardSelection& selection() { return reader.app->program().selection(); }

  testing::ReaderUnderTest reader{Language::English};
};

TEST_F(SelectionCommandsTest, SelectionOpensWhenIdleAndItsChoiceStays) {
  bool mainWindowEnabled = true;
  const auto run = command(ReaderCommand::OpenCardSelection, kCardSelectionWindowName, [&](ToolWindow& tool) {
    mainWindowEnabled = reader.window().isEnabled();
    QTest::mouseClick(tool.client()->findChild<QPushButton*>("1220"), Qt::LeftButton);
    QTest::mouseClick(tool.client()->findChild<QPushButton*>(QString::number(kSelectionOkButton)),
                      Qt::LeftButton);
  });
  EXPECT_TRUE(run.opened);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_FALSE(mainWindowEnabled);
  EXPECT_TRUE(reader.window().isEnabled());
  EXPECT_EQ(selection().selectionActive, 1);
  EXPECT_EQ(selection().selectedCount, 16);
}

TEST_F(SelectionCommandsTest, ThirdGameOpensWhenIdle) {
  const auto run = command(ReaderCommand::OpenThirdGame, kThirdGameWindowName, [&](ToolWindow& tool) {
    QTest::mouseClick(tool.client()->findChild<QPushButton*>("1005"), Qt::LeftButton);
    QTest::mouseClick(tool.client()->findChild<QPushButton*>(QString::number(kThirdOkButton)),
                      Qt::LeftButton);
  });
  EXPECT_TRUE(run.opened);
  EXPECT_EQ(selection().thirdChoice, 3);
  EXPECT_EQ(selection().selectedCount, 33);
}

}  // namespace
}  // namespace fuda
