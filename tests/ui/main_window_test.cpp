#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "frontends/qt/main_window.h"
#include "tests/support/language_names.h"
#include "tests/ui/reader_under_test.h"
#include "tests/ui/ui_test_environment.h"

namespace fuda {
namespace {

using testing::ReaderUnderTest;

QString labelText(MainWindow& window, int id) {
  return qobject_cast<QLabel*>(window.control(id))->text();
}

struct Expected {
  Language language;
  const char* timingLabel;
  const char* anki;
  const char* quick;
  const char* next;
  const char* exit;
  const char* kimariji;
  QRect timingFrame;
  QRect timingLabelGeometry;
  int radioY;
};

// Printed by its build when a test fails.
void PrintTo(const Expected& expected, std::ostream* out) { PrintTo(expected.language, out); }

class StartUp : public ::testing::TestWithParam<Expected> {};

TEST_P(StartUp, ShowsThePrefacePoemWithNextDisabledAndTheTrackBarAtFifty) {
  const Expected& e = GetParam();
  ReaderUnderTest reader(e.language);
  MainWindow& window = reader.window();

  EXPECT_EQ(labelText(window, kTimingLabel), QString::fromUtf8(e.timingLabel));
  EXPECT_EQ(labelText(window, kKimarijiLabel), QString::fromUtf8(e.kimariji));
  EXPECT_FALSE(window.control(kNextButton)->isEnabled());
  EXPECT_TRUE(window.control(kStartWithMemoButton)->isEnabled());
  EXPECT_EQ(window.trackBar()->value(), 50);
  EXPECT_TRUE(qobject_cast<QRadioButton*>(window.control(kManualRadio))->isChecked());
  EXPECT_FALSE(qobject_cast<QRadioButton*>(window.control(kAutoRadio))->isChecked());
  EXPECT_EQ(window.windowTitle(), "fudayomi");
}

TEST_P(StartUp, EveryControlHasItsIdCaptionAndPlace) {
  const Expected& e = GetParam();
  ReaderUnderTest reader(e.language);
  MainWindow& window = reader.window();

  const auto button = [&](int id) { return qobject_cast<QPushButton*>(window.control(id)); };
  EXPECT_EQ(button(kStartWithMemoButton)->text(), QString::fromUtf8(e.anki));
  EXPECT_EQ(button(kQuickStartButton)->text(), QString::fromUtf8(e.quick));
  EXPECT_EQ(button(kNextButton)->text(), QString::fromUtf8(e.next));
  EXPECT_EQ(button(kExitButton)->text(), QString::fromUtf8(e.exit));

  EXPECT_EQ(window.control(kTitlePicture)->geometry(), QRect(125, 10, 260, 30));
  EXPECT_EQ(window.control(kButtonFrame)->geometry(), QRect(30, 100, 140, 210));
  EXPECT_EQ(window.control(kTimingFrame)->geometry(), e.timingFrame);
  EXPECT_EQ(window.control(kStartWithMemoButton)->geometry(), QRect(50, 110, 100, 30));
  EXPECT_EQ(window.control(kQuickStartButton)->geometry(), QRect(50, 160, 100, 30));
  EXPECT_EQ(window.control(kNextButton)->geometry(), QRect(50, 215, 100, 30));
  EXPECT_EQ(window.control(kExitButton)->geometry(), QRect(50, 270, 100, 30));
  EXPECT_EQ(window.control(kTimingTrackBar)->geometry(), QRect(340, 278, 125, 30));
  EXPECT_EQ(window.control(kUpperVerseLabel)->geometry(), QRect(230, 115, 230, 30));
  EXPECT_EQ(window.control(kLowerVerseLabel)->geometry(), QRect(230, 155, 230, 30));
  EXPECT_EQ(window.control(kPoetLabel)->geometry(), QRect(230, 195, 230, 30));
  EXPECT_EQ(window.control(kTimingLabel)->geometry(), e.timingLabelGeometry);
  EXPECT_EQ(window.control(kManualRadio)->geometry(), QRect(45, e.radioY, 57, 22));
  EXPECT_EQ(window.control(kAutoRadio)->geometry(), QRect(110, e.radioY, 57, 22));
  EXPECT_EQ(window.control(kKimarijiLabel)->geometry(), QRect(230, 75, 230, 30));

  for (int id = kTitlePicture; id <= kKimarijiLabel; ++id) {
    QWidget* control = window.control(id);
    ASSERT_NE(control, nullptr) << id;
    EXPECT_EQ(control->objectName(), QString::number(id));
    EXPECT_EQ(control->parentWidget(), window.client());
    EXPECT_EQ(control->font().pixelSize(), 12) << id;
  }
  EXPECT_EQ(qobject_cast<QLabel*>(window.control(kKimarijiLabel))
                ->palette()
                .color(QPalette::WindowText),
            QColor(255, 0, 0));
  ASSERT_NE(window.statusBar(), nullptr);
  EXPECT_EQ(window.statusBar()->objectName(), "70");
  EXPECT_FALSE(window.statusBar()->findChildren<QLabel*>().isEmpty());
}

// The menu bar as the player reads it: pop-ups left to right, their items top
// to bottom with the separators between them. Id 0 marks a separator.
struct MenuEntry {
  int id;
  const char* japanese;
  const char* english;
};
struct PopUp {
  const char* japanese;
  const char* english;
  std::vector<MenuEntry> entries;
};
const MenuEntry kLine{0, "", ""};
const std::vector<PopUp> kMenuBar = {
    {"操作(&F)", "Operation(&F)",
     {{kCmdTestReading, "テスト読唱(&T)", "Test_Read(&T)"}, kLine,
      {kCmdCardSelection, "使用札選択(&L)", "Selection(&L)"},
      {kCmdThirdGame, "三分の百首", "100/3 Game"}, kLine,
      {kCmdStartWithMemo, "暗記～開始(&A)", "Anki and Start(&A)"}, kLine,
      {kCmdQuickStart, "すぐに開始(&S)", "Start(&S)"}, kLine,
      {kCmdExit, "終了(&X)", "Exit(&X)"}}},
    {"読手(&R)", "Reader(&R)",
     {{kCmdReader1, "ひばりくん", "hibari kun"}, kLine,
      {kCmdReader2, "読手２", "Reader_2"}, kLine,
      {kCmdReader3, "読手３", "Reader_3"}, kLine,
      {kCmdReader4, "読手４", "Reader_4"}}},
    {"モード(&M)", "Mode(&M)",
     {{kCmdManualMode, "手動読み上げモード設定", "Manual Read Mode"}, kLine,
      {kCmdAutoMode, "自動読み上げモード設定", "Automatic Read Mode"},
      {kCmdIntervalDefault, "インターバル（既定値）", "Interval Default"},
      {kCmdInterval3, "インターバル（３秒）", "Interval 3sec."},
      {kCmdInterval5, "インターバル（５秒）", "Interval 5sec."},
      {kCmdInterval7, "インターバル（７秒）", "Interval 7sec."},
      {kCmdInterval10, "インターバル（10秒）", "Interval 10sec."}}},
    {"読唱順(&J)", "List(&J)",
     {{kCmdExportList, "読唱順書き出し", "Writing of the List"},
      {kCmdImportList, "読唱順読み込み", "Reading of the List"}, kLine,
      {kCmdWithdraw, "直前の読み無効化", "Read Again Later"}}},
    {"ヘルプ(&H)", "Help(&H)",
     {{kCmdHelp, "ヘルプ(&H)", "Help(&H)"}, kLine,
      {kCmdAbout, "バージョン情報(&A)", "Ver.Info(&A)"}}},
};

TEST_P(StartUp, MenuBarShowsEveryPopUpWithItsCaptionsOrderAndSeparators) {
  const bool ja = GetParam().language == Language::Japanese;
  ReaderUnderTest reader(GetParam().language);
  const auto bar = reader.window().menuBar()->actions();
  ASSERT_EQ(bar.size(), static_cast<qsizetype>(kMenuBar.size()));
  for (std::size_t m = 0; m < kMenuBar.size(); ++m) {
    const PopUp& expected = kMenuBar[m];
    EXPECT_EQ(bar[m]->text(), QString::fromUtf8(ja ? expected.japanese : expected.english));
    ASSERT_NE(bar[m]->menu(), nullptr);
    const auto items = bar[m]->menu()->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(expected.entries.size())) << expected.english;
    for (std::size_t i = 0; i < expected.entries.size(); ++i) {
      const MenuEntry& entry = expected.entries[i];
      EXPECT_EQ(items[i]->isSeparator(), entry.id == 0) << expected.english << " " << i;
      if (entry.id == 0) continue;
      EXPECT_EQ(items[i]->objectName(), QString::number(entry.id));
      EXPECT_EQ(items[i]->text(), QString::fromUtf8(ja ? entry.japanese : entry.english));
      EXPECT_FALSE(items[i]->isCheckable());
      EXPECT_TRUE(items[i]->shortcut().isEmpty());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    BothBuilds, StartUp,
    ::testing::Values(
        Expected{Language::Japanese, "間合い調整：　1.00", "暗記～開始", "すぐに開始", "次へ",
                 "終了", "ふだよみ", QRect(230, 270, 240, 40), QRect(240, 285, 100, 20), 63},
        Expected{Language::English, "adjust the timing:  1.00", "Anki and Start",
                 "Start quickly", "Next Read", "Exit", "Fudayomi", QRect(210, 270, 258, 40),
                 QRect(215, 283, 114, 19), 67}),
    [](const ::testing::TestParamInfo<Expected>& info) {
      return testing::languageName({info.param.language, info.index});
    });

TEST(StartUpSettings, AutomaticModeFromTheSettingsSetsTheAutoRadio) {
  ReaderUnderTest reader(Language::English,
                         "[Auto]\nAuto=1\nItvl=2.5\n[Timer]\nUse=0\nPosx=12.9\nPosy=-4\n");
  EXPECT_TRUE(reader.checked(kAutoRadio));
  EXPECT_EQ(reader.app->program().memoTimer().offsets().x, 12);
  EXPECT_EQ(reader.app->program().memoTimer().offsets().y, -4);
}

TEST(StartUpSettings, AVoiceWithoutClipsGivesTheMessageAndTheProgramCarriesOn) {
  ReaderUnderTest reader(Language::Japanese, "[Path]\nData1=no-such-folder\n");
  const auto& boxes = reader.ports.messageBoxes.messages;
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "読手データ");
  EXPECT_EQ(boxes[0].text, "ファイルがありません");
  EXPECT_EQ(labelText(reader.window(), kKimarijiLabel), QString::fromUtf8("ふだよみ"));
}

TEST(TimingAdjustment, TheTrackBarSetsThePauseAndLabelAndAMoveDuringAStepCountsWhenItEnds) {
  ReaderUnderTest reader(Language::English, "", testing::VoiceClips::Every);
  QSlider* slider = reader.window().trackBar();
  slider->setValue(55);
  EXPECT_EQ(labelText(reader.window(), kTimingLabel), "adjust the timing:  1.10");
  slider->setValue(0);
  EXPECT_EQ(labelText(reader.window(), kTimingLabel), "adjust the timing:  0.00");
  // Moved while the test reading plays: the label (and the pause) stay
  // until the reading ends, then the bar is read again.
  QString duringTheReading;
  reader.at(10, [&] {
    slider->setValue(100);
    duringTheReading = labelText(reader.window(), kTimingLabel);
  });
  reader.trigger(kCmdTestReading);
  EXPECT_EQ(duringTheReading, "adjust the timing:  0.00");
  EXPECT_EQ(labelText(reader.window(), kTimingLabel), "adjust the timing:  2.00");
}

TEST(MainWindowLayout, ResizingMovesOnlyTheStatusBar) {
  ReaderUnderTest reader(Language::Japanese);
  MainWindow& window = reader.window();
  window.show();
  const QRect next = window.control(kNextButton)->geometry();
  const QRect status = window.statusBar()->geometry();
  window.resize(window.width() + 200, window.height() + 150);
  QApplication::processEvents();
  EXPECT_EQ(window.control(kNextButton)->geometry(), next);
  EXPECT_GT(window.statusBar()->geometry().top(), status.top());
  EXPECT_EQ(window.statusBar()->geometry().bottom(), window.height() - 1);
  // The background grows with the window, up to the status bar.
  EXPECT_EQ(window.client()->width(), window.width());
  EXPECT_EQ(window.client()->geometry().bottom() + 1, window.statusBar()->geometry().top());
}

TEST(MainWindowLayout, TabWalksTheEnabledButtonsOnly) {
  ReaderUnderTest reader(Language::English);
  MainWindow& window = reader.window();
  // The focus chain as Tab walks it: enabled widgets that take Tab focus.
  std::vector<int> visited;
  QWidget* widget = window.control(kStartWithMemoButton);
  for (int steps = 0; steps < 200 && visited.size() < 4; ++steps) {
    const bool tabStop = (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
    if (tabStop && widget->isEnabled() && widget->parentWidget() == window.client()) {
      visited.push_back(widget->objectName().toInt());
    }
    widget = widget->nextInFocusChain();
  }
  // "Next Read" is disabled at start-up, so Tab skips it.
  EXPECT_EQ(visited, (std::vector<int>{1003, 1004, 1006, 1003}));
}

}  // namespace
}  // namespace fuda
