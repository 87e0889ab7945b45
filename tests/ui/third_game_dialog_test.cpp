#include "frontends/qt/third_game_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "frontends/qt/card_selection_dialog.h"
#include "core/cards/card_selection_rules.h"
#include "core/cards/third_game_rules.h"
#include "tests/fakes/fake_ports.h"
#include "tests/support/language_names.h"
#include "tests/ui/tool_window_driver.h"

namespace fuda {
namespace {

using testing::driveToolWindow;
using testing::RecordingMessages;
using testing::ToolWindowRun;

constexpr int kA = 1003, kB = 1004, kBoxA = 1113, kBoxB = 1114, kBoxC = 1115;

void click(ToolWindow& tool, int id) {
  QWidget* control = tool.client()->findChild<QWidget*>(QString::number(id));
  ASSERT_NE(control, nullptr) << id;
  QTest::mouseClick(control, Qt::LeftButton);
}

// The ids of the checked boxes.
std::vector<int> checkedBoxes(ToolWindow& tool) {
  std::vector<int> ids;
  for (int id : {kBoxA, kBoxB, kBoxC}) {
    if (tool.client()->findChild<QCheckBox*>(QString::number(id))->isChecked()) ids.push_back(id);
  }
  return ids;
}

std::vector<int> chosenCards(const CardSelection& selection) {
  std::vector<int> cards;
  for (int n = 1; n <= 100; ++n) {
    if (selection.selected[n] == 1) cards.push_back(n);
  }
  return cards;
}

std::vector<int> cardsOfThird(int choice) {
  const Third& third = thirds()[choice - 1];
  return {third.poems.begin(), third.poems.end()};
}

class ThirdGameDialogTest : public ::testing::Test {
 protected:
  explicit ThirdGameDialogTest(Language language = Language::Japanese) : registry(language) {
    registerThirdGameDialog(registry, selection, messages);
    registerCardSelectionDialog(registry, selection, messages);
    owner.show();
  }

  ToolWindowRun open(const std::function<void(ToolWindow&)>& drive) {
    return driveToolWindow(&owner, kThirdGameWindowName, registry, drive);
  }

  QWidget owner;
  CardSelection selection;
  RecordingMessages messages;
  ToolWindowRegistry registry;
};

class ThirdGameLayoutTest : public ThirdGameDialogTest,
                            public ::testing::WithParamInterface<Language> {
 protected:
  ThirdGameLayoutTest() : ThirdGameDialogTest(GetParam()) {}
};

TEST_P(ThirdGameLayoutTest, HasItsElevenControlsWhereTheLayoutPutsThem) {
  const bool ja = GetParam() == Language::Japanese;
  struct Expected {
    int id;
    QRect geometry;
    QString ja, en;
  };
  const std::vector<Expected> expected{
      {1003, {50, 30, 120, 50}, "Ａ", "A"},
      {1004, {50, 110, 120, 50}, "Ｂ", "B"},
      {1005, {50, 190, 120, 50}, "Ｃ", "C"},
      {1006, {210, 280, 100, 30}, "Ｏ　Ｋ", "OK"},
      {1016, {340, 280, 100, 30}, "CANCEL", "CANCEL"},
      {1008, {200, 40, 240, 30}, "あ　　　な　　　い　　　う　し　　　す　さ　せ",
       "A   Na  I   U   Si  Su  Sa  Se"},
      {1009, {200, 120, 240, 30}, "た　こ　　み　　か　　ち　き　　つ　も　　　む　め",
       "Ta  Ko  Mi  Ka  Ti  Ki  Tu  Mo  Mu  Me"},
      {1010, {200, 200, 240, 30}, "お　わ　　は　や　よ　　ひ　　ゆ　　ふ　ほ",
       "O   Wa  Ha  Ya  Yo  Hi  Yu  Fu  Ho"},
      {1113, {25, 45, 15, 15}, "Check1", "Check1"},
      {1114, {25, 125, 15, 15}, "Check1", "Check1"},
      {1115, {25, 205, 15, 15}, "Check1", "Check1"},
  };
  open([&](ToolWindow& tool) {
    EXPECT_EQ(tool.windowTitle(), ja ? QStringLiteral("三分の百首") : QStringLiteral("100/3 Game"));
    EXPECT_EQ(tool.client()->size(), QSize(480, 360));
    const auto controls = tool.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 11);
    for (std::size_t i = 0; i < expected.size(); ++i) {
      QWidget* control = controls[static_cast<int>(i)];
      EXPECT_EQ(control->objectName(), QString::number(expected[i].id)) << "creation order";
      EXPECT_EQ(control->geometry(), expected[i].geometry) << expected[i].id;
      EXPECT_EQ(control->font().pixelSize(), ja ? 12 : 11);
      QString text;
      if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
      if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
      EXPECT_EQ(text, ja ? expected[i].ja : expected[i].en) << expected[i].id;
    }
    EXPECT_TRUE(checkedBoxes(tool).empty());
  });
}

TEST_P(ThirdGameLayoutTest, OkWithNoThirdShowsTheMessageAndStaysOpen) {
  const auto run = open([&](ToolWindow& tool) {
    click(tool, kA);
    click(tool, kA);
    EXPECT_TRUE(checkedBoxes(tool).empty());
    click(tool, kThirdOkButton);
    EXPECT_TRUE(tool.isVisible());
  });
  EXPECT_TRUE(run.leftOpen);
  ASSERT_EQ(messages.messages.size(), 1u);
  const bool ja = GetParam() == Language::Japanese;
  EXPECT_EQ(messages.messages[0].caption, ja ? "未選択エラー" : "Error!");
  EXPECT_EQ(messages.messages[0].text, ja ? "Ａ～Ｃを選択してください。" : "Select A or B or C");
  EXPECT_EQ(messages.messages[0].owner, MessageOwner::None);
  EXPECT_EQ(selection.thirdChoice, 0);
  EXPECT_EQ(selection.selectionActive, 0);
  EXPECT_EQ(selection.selectedCount, 100);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ThirdGameLayoutTest,
                         ::testing::Values(Language::Japanese, Language::English),
                         testing::languageName);

TEST_F(ThirdGameDialogTest, AThenBLeavesOnlyBChosen) {
  open([&](ToolWindow& tool) {
    click(tool, kA);
    EXPECT_EQ(checkedBoxes(tool), std::vector<int>{kBoxA});
    click(tool, kB);
    EXPECT_EQ(checkedBoxes(tool), std::vector<int>{kBoxB});
  });
  EXPECT_EQ(selection.thirdChoice, 2);
  EXPECT_EQ(chosenCards(selection), cardsOfThird(2));
  EXPECT_EQ(selection.selected[0], 1);
  EXPECT_EQ(selection.selectionActive, 0) << "nothing is in force before OK";
}

TEST_F(ThirdGameDialogTest, ABoxDoesWhatItsButtonDoes) {
  open([&](ToolWindow& tool) {
    click(tool, kBoxC);
    EXPECT_EQ(checkedBoxes(tool), std::vector<int>{kBoxC});
    EXPECT_EQ(selection.thirdChoice, 3);
    click(tool, kBoxA);
    EXPECT_EQ(checkedBoxes(tool), std::vector<int>{kBoxA});
    EXPECT_EQ(chosenCards(selection), cardsOfThird(1));
    click(tool, kBoxA);  // the chosen third's box clears the choice
    EXPECT_TRUE(checkedBoxes(tool).empty());
    EXPECT_EQ(selection.thirdChoice, 0);
    EXPECT_TRUE(chosenCards(selection).empty());
  });
}

TEST_F(ThirdGameDialogTest, OkBringsTheThirdIntoForceAndReopensWithItChecked) {
  const auto run = open([&](ToolWindow& tool) {
    click(tool, kB);
    click(tool, kThirdOkButton);
  });
  EXPECT_FALSE(run.leftOpen);
  EXPECT_TRUE(owner.isEnabled());
  EXPECT_EQ(selection.selectionActive, 1);
  EXPECT_EQ(selection.selectedCount, 33);
  EXPECT_EQ(selection.selected[0], 1);

  std::vector<int> checked;
  open([&](ToolWindow& tool) { checked = checkedBoxes(tool); });
  EXPECT_EQ(checked, std::vector<int>{kBoxB});
  EXPECT_EQ(selection.selectedCount, 33) << "opening changes nothing";
}

TEST_F(ThirdGameDialogTest, CancelAfterACardSelectionLeavesAllCardsInPlay) {
  driveToolWindow(&owner, kCardSelectionWindowName, registry, [&](ToolWindow& tool) {
    click(tool, 1003);
    click(tool, kSelectionOkButton);
  });
  ASSERT_EQ(selection.selectionActive, 1);
  const auto run = open([&](ToolWindow& tool) {
    click(tool, kA);
    click(tool, kThirdCancelButton);
  });
  EXPECT_FALSE(run.leftOpen);
  EXPECT_TRUE(chosenCards(selection).empty());
  EXPECT_EQ(selection.selectionActive, 0);
  EXPECT_EQ(selection.selectedCount, 100);
  EXPECT_EQ(selection.thirdChoice, 0);
}

TEST_F(ThirdGameDialogTest, TheCloseBoxKeepsTheThirdForTheCountdownOnly) {
  const auto run = open([&](ToolWindow& tool) {
    click(tool, kA);
    tool.close();
  });
  EXPECT_FALSE(run.leftOpen);
  EXPECT_TRUE(owner.isEnabled());
  EXPECT_EQ(selection.thirdChoice, 1);
  EXPECT_EQ(selection.selectionActive, 0);
  EXPECT_EQ(selection.selectedCount, 100);
}

}  // namespace
}  // namespace fuda
