#include "frontends/qt/card_selection_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/cards/card_selection_rules.h"
#include "tests/fakes/fake_ports.h"
#include "tests/support/language_names.h"
#include "tests/ui/tool_window_driver.h"

namespace fuda {
namespace {

using testing::driveToolWindow;
using testing::RecordingMessages;
using testing::ToolWindowRun;

QCheckBox* box(ToolWindow& tool, int id) {
  return tool.client()->findChild<QCheckBox*>(QString::number(id));
}

void click(ToolWindow& tool, int id) {
  QWidget* control = tool.client()->findChild<QWidget*>(QString::number(id));
  ASSERT_NE(control, nullptr) << id;
  QTest::mouseClick(control, Qt::LeftButton);
}

// The ids of the checked boxes.
std::vector<int> checkedBoxes(ToolWindow& tool) {
  std::vector<int> ids;
  for (const PoemButton& poem : poemButtons()) {
    if (box(tool, poem.boxId)->isChecked()) ids.push_back(poem.boxId);
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

class CardSelectionDialogTest : public ::testing::Test {
 protected:
  explicit CardSelectionDialogTest(Language language = Language::Japanese)
      : language(language), registry(language) {
    registerCardSelectionDialog(registry, selection, messages);
    owner.show();
  }

  ToolWindowRun open(const std::function<void(ToolWindow&)>& drive) {
    return driveToolWindow(&owner, kCardSelectionWindowName, registry, drive);
  }

  Language language;
  QWidget owner;
  CardSelection selection;
  RecordingMessages messages;
  ToolWindowRegistry registry;
};

class CardSelectionLayoutTest : public CardSelectionDialogTest,
                                public ::testing::WithParamInterface<Language> {
 protected:
  CardSelectionLayoutTest() : CardSelectionDialogTest(GetParam()) {}
};

TEST_P(CardSelectionLayoutTest, HasItsControlsWhereTheLayoutPutsThem) {
  const bool ja = GetParam() == Language::Japanese;
  open([&](ToolWindow& tool) {
    EXPECT_EQ(tool.windowTitle(), ja ? QStringLiteral("使用札選択") : QStringLiteral("Selection"));
    EXPECT_EQ(tool.client()->size(), QSize(800, 600));
    const auto controls = tool.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(controls.size(), 212);
    for (QWidget* control : controls) {
      EXPECT_EQ(control->font().pixelSize(), ja ? 12 : 11) << control->objectName().toStdString();
      EXPECT_EQ(control->font().families().front(),
                ja ? QStringLiteral("ＭＳ Ｐゴシック") : QStringLiteral("Times New Roman"));
    }

    int row = 0;
    for (const PoemButton& poem : poemButtons()) {
      ++row;
      auto* button = tool.client()->findChild<QPushButton*>(QString::number(poem.buttonId));
      ASSERT_NE(button, nullptr) << poem.buttonId;
      EXPECT_EQ(button->geometry(), QRect(70 + 100 * (poem.column - 1), poem.y, 60, 20));
      EXPECT_EQ(button->text().toStdString(), pick(GetParam(), poem.caption));
      QCheckBox* check = box(tool, poem.boxId);
      ASSERT_NE(check, nullptr) << poem.boxId;
      EXPECT_EQ(check->geometry(), QRect(54 + 100 * (poem.column - 1), poem.y + 2, 17, 14));
      EXPECT_EQ(check->text(), QStringLiteral("Check%1").arg(row));
    }
    auto* mu = tool.client()->findChild<QPushButton*>("1003");
    EXPECT_EQ(mu->text(), ja ? QStringLiteral("む") : QStringLiteral("Mu"));
    auto* preface = tool.client()->findChild<QPushButton*>("1112");
    EXPECT_EQ(preface->geometry(), QRect(670, 485, 60, 20));
    EXPECT_EQ(box(tool, 1213)->text(), QStringLiteral("Check101"));

    auto* title = tool.client()->findChild<QLabel*>("1008");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->geometry(), QRect(260, 7, 287, 16));
    EXPECT_EQ(title->text(),
              ja ? QStringLiteral("使 用 札 選 択") : QStringLiteral("Selection For beginner"));
    EXPECT_TRUE(title->alignment() & Qt::AlignHCenter);

    auto* blockA = tool.client()->findChild<QPushButton*>("1220");
    EXPECT_EQ(blockA->geometry(), QRect(650, 25, 80, 20));
    EXPECT_EQ(tool.client()->findChild<QPushButton*>("1214")->text(),
              ja ? QStringLiteral("む～せ う～ゆ") : QStringLiteral("Mu - YuRa"));
    auto* ok = tool.client()->findChild<QPushButton*>("1221");
    EXPECT_EQ(ok->geometry(), QRect(500, 525, 100, 30));
    EXPECT_EQ(ok->text(), ja ? QStringLiteral("Ｏ　Ｋ") : QStringLiteral("OK"));
    auto* cancel = tool.client()->findChild<QPushButton*>("1222");
    EXPECT_EQ(cancel->geometry(), QRect(630, 525, 100, 30));
    EXPECT_EQ(cancel->text(), QStringLiteral("CANCEL"));
  });
}

TEST_P(CardSelectionLayoutTest, OkWithOnlyThePrefacePoemShowsTheMessageAndStaysOpen) {
  const auto run = open([&](ToolWindow& tool) {
    click(tool, kSelectionOkButton);
    EXPECT_TRUE(tool.isVisible());
    EXPECT_FALSE(owner.isEnabled());
  });
  EXPECT_TRUE(run.leftOpen);
  ASSERT_EQ(messages.messages.size(), 1u);
  const bool ja = GetParam() == Language::Japanese;
  EXPECT_EQ(messages.messages[0].caption, ja ? "未選択エラー" : "Error!");
  EXPECT_EQ(messages.messages[0].text, ja ? "一首以上選択してください。" : "Select 1 or more.");
  EXPECT_EQ(messages.messages[0].owner, MessageOwner::None);
  EXPECT_EQ(selection.selectionActive, 0);
  EXPECT_EQ(selection.selectedCount, 100);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, CardSelectionLayoutTest,
                         ::testing::Values(Language::Japanese, Language::English),
                         testing::languageName);

TEST_F(CardSelectionDialogTest, FirstOpensWithOnlyThePrefacePoemChecked) {
  std::vector<int> checked;
  const auto run = open([&](ToolWindow& tool) { checked = checkedBoxes(tool); });
  EXPECT_TRUE(run.opened);
  EXPECT_EQ(checked, std::vector<int>{1213});
}

TEST_F(CardSelectionDialogTest, ButtonAndBoxAlwaysAgreeWithTheFlag) {
  open([&](ToolWindow& tool) {
    click(tool, 1100);  // "あきの", poem 1
    EXPECT_TRUE(box(tool, 1201)->isChecked());
    EXPECT_EQ(selection.selected[1], 1);
    click(tool, 1201);  // Check89, the same poem
    EXPECT_FALSE(box(tool, 1201)->isChecked());
    EXPECT_EQ(selection.selected[1], 0);

    click(tool, 1113);  // Check1: "む", poem 87
    EXPECT_TRUE(box(tool, 1113)->isChecked());
    EXPECT_EQ(selection.selected[87], 1);
    click(tool, 1003);
    EXPECT_FALSE(box(tool, 1113)->isChecked());
    EXPECT_EQ(selection.selected[87], 0);

    click(tool, 1213);  // the preface poem's box
    EXPECT_EQ(selection.selected[0], 0);
    click(tool, 1112);
    EXPECT_EQ(selection.selected[0], 1);
    EXPECT_EQ(checkedBoxes(tool), std::vector<int>{1213});
  });
}

TEST_F(CardSelectionDialogTest, ABlockPressedTwiceLeavesTheSelectionAsItWas) {
  open([&](ToolWindow& tool) {
    click(tool, 1088);  // "なつ", poem 36
    click(tool, 1219);  // the な block
    EXPECT_EQ(chosenCards(selection), (std::vector<int>{19, 25, 53, 80, 84, 86, 88}));
    EXPECT_FALSE(box(tool, 1189)->isChecked());
    EXPECT_TRUE(box(tool, 1190)->isChecked());
    click(tool, 1219);
    EXPECT_EQ(chosenCards(selection), std::vector<int>{36});
    EXPECT_EQ(checkedBoxes(tool), (std::vector<int>{1189, 1213}));
  });
}

TEST_F(CardSelectionDialogTest, OkWithOneCardBringsItIntoForceAndCloses) {
  const auto run = open([&](ToolWindow& tool) {
    click(tool, 1213);  // no preface upper verse
    click(tool, 1113);  // poem 87 by its box
    click(tool, kSelectionOkButton);
  });
  EXPECT_TRUE(run.opened);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_EQ(run.code, 0);
  EXPECT_TRUE(owner.isEnabled());
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(selection.selectionActive, 1);
  EXPECT_EQ(selection.selectedCount, 1);
  EXPECT_EQ(chosenCards(selection), std::vector<int>{87});
  EXPECT_EQ(selection.selected[0], 0);

  // The next opening shows the choice.
  std::vector<int> checked;
  open([&](ToolWindow& tool) { checked = checkedBoxes(tool); });
  EXPECT_EQ(checked, std::vector<int>{1113});
}

TEST_F(CardSelectionDialogTest, CancelAfterEditsRestoresTheStartState) {
  selection.thirdChoice = 1;
  open([&](ToolWindow& tool) {
    click(tool, 1214);
    click(tool, 1213);
    click(tool, kSelectionOkButton);
  });
  ASSERT_EQ(selection.selectionActive, 1);
  const auto run = open([&](ToolWindow& tool) {
    click(tool, 1220);
    click(tool, kSelectionCancelButton);
  });
  EXPECT_FALSE(run.leftOpen);
  EXPECT_TRUE(owner.isEnabled());
  EXPECT_TRUE(chosenCards(selection).empty());
  EXPECT_EQ(selection.selected[0], 1);
  EXPECT_EQ(selection.selectionActive, 0);
  EXPECT_EQ(selection.selectedCount, 100);
  EXPECT_EQ(selection.thirdChoice, 1) << "the card selection leaves the third alone";
}

TEST_F(CardSelectionDialogTest, TheCloseBoxKeepsTheEditsButNotTheirCount) {
  open([&](ToolWindow& tool) {
    click(tool, 1003);
    click(tool, 1004);
    click(tool, kSelectionOkButton);
  });
  ASSERT_EQ(selection.selectedCount, 2);

  // Adding cards to a selection in force: drawn from all, counted as before.
  auto run = open([&](ToolWindow& tool) {
    click(tool, 1005);
    tool.close();
  });
  EXPECT_FALSE(run.leftOpen);
  EXPECT_TRUE(owner.isEnabled());
  EXPECT_EQ(chosenCards(selection), (std::vector<int>{18, 57, 87}));
  EXPECT_EQ(selection.selectionActive, 1);
  EXPECT_EQ(selection.selectedCount, 2);

  // Unchecking every card of a selection in force.
  run = open([&](ToolWindow& tool) {
    click(tool, 1003);
    click(tool, 1004);
    click(tool, 1005);
    tool.close();
  });
  EXPECT_TRUE(chosenCards(selection).empty());
  EXPECT_EQ(selection.selectionActive, 1);
  EXPECT_EQ(selection.selectedCount, 2);
}

TEST_F(CardSelectionDialogTest, EditsLeftByTheCloseBoxShowAtTheNextOpening) {
  open([&](ToolWindow& tool) {
    click(tool, 1220);
    tool.close();
  });
  EXPECT_EQ(selection.selectionActive, 0);
  EXPECT_EQ(selection.selectedCount, 100);
  std::vector<int> checked;
  open([&](ToolWindow& tool) { checked = checkedBoxes(tool); });
  EXPECT_EQ(checked.size(), 17u);
}

}  // namespace
}  // namespace fuda
