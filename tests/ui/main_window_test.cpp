#include <QAction>
#include <QApplication>
#include <QLabel>
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

#include "reader/frame/main_window.h"
#include "reader/frame/reader_app.h"
#include "tests/fakes/temp_folder.h"
#include "tests/support/language_names.h"
#include "tests/ui/message_catcher.h"
#include "tests/ui/ui_test_environment.h"

namespace fuda {
namespace {

namespace fs = std::filesystem;

using testing::MessageCatcher;
using testing::TempFolder;

// A folder with a settings file and a voice whose clips the format probe finds.
struct ReaderFixture {
  explicit ReaderFixture(const std::string& settings = "") {
    folder.write("voice/I-000A.wav", "");
    folder.write("fudayomi.ini", "[Path]\nData1=" + (folder.path() / "voice").string() +
                                     "\n" + settings);
  }
  ReaderPaths paths() const { return {folder.path() / "fudayomi.ini", folder.path()}; }
  TempFolder folder;
};

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
  ReaderFixture fixture;
  ReaderApp app(e.language, fixture.paths());
  MainWindow& window = app.window();

  EXPECT_EQ(labelText(window, kTimingLabel), QString::fromUtf8(e.timingLabel));
  EXPECT_EQ(labelText(window, kKimarijiLabel), QString::fromUtf8(e.kimariji));
  EXPECT_FALSE(window.control(kNextButton)->isEnabled());
  EXPECT_TRUE(window.control(kAnkiStartButton)->isEnabled());
  EXPECT_EQ(window.trackBar()->value(), 50);
  EXPECT_EQ(app.state().timingPause.load(), 1000);
  EXPECT_TRUE(qobject_cast<QRadioButton*>(window.control(kManualRadio))->isChecked());
  EXPECT_FALSE(qobject_cast<QRadioButton*>(window.control(kAutoRadio))->isChecked());
  EXPECT_EQ(window.windowTitle(), "fudayomi");
}

TEST_P(StartUp, EveryControlHasItsIdCaptionAndPlace) {
  const Expected& e = GetParam();
  ReaderFixture fixture;
  ReaderApp app(e.language, fixture.paths());
  MainWindow& window = app.window();

  const auto button = [&](int id) { return qobject_cast<QPushButton*>(window.control(id)); };
  EXPECT_EQ(button(kAnkiStartButton)->text(), QString::fromUtf8(e.anki));
  EXPECT_EQ(button(kQuickStartButton)->text(), QString::fromUtf8(e.quick));
  EXPECT_EQ(button(kNextButton)->text(), QString::fromUtf8(e.next));
  EXPECT_EQ(button(kExitButton)->text(), QString::fromUtf8(e.exit));

  EXPECT_EQ(window.control(kTitlePicture)->geometry(), QRect(125, 10, 260, 30));
  EXPECT_EQ(window.control(kButtonFrame)->geometry(), QRect(30, 100, 140, 210));
  EXPECT_EQ(window.control(kTimingFrame)->geometry(), e.timingFrame);
  EXPECT_EQ(window.control(kAnkiStartButton)->geometry(), QRect(50, 110, 100, 30));
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

TEST_P(StartUp, MenuBarHoldsEveryCommandOnce) {
  ReaderFixture fixture;
  ReaderApp app(GetParam().language, fixture.paths());
  const auto actions = app.window().menuBar()->findChildren<QAction*>();
  for (int id = kCmdTestReading; id <= kCmdAbout; ++id) {
    int found = 0;
    for (QAction* action : actions) found += action->objectName() == QString::number(id);
    EXPECT_EQ(found, 1) << id;
  }
  EXPECT_EQ(app.window().menuBar()->actions().size(), 5);
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
  ReaderFixture fixture("[Auto]\nAuto=1\nItvl=2.5\n[Timer]\nUse=0\nPosx=12.9\nPosy=-4\n");
  ReaderApp app(Language::English, fixture.paths());
  EXPECT_TRUE(qobject_cast<QRadioButton*>(app.window().control(kAutoRadio))->isChecked());
  EXPECT_EQ(app.state().mode.load(), kAutomatic);
  EXPECT_DOUBLE_EQ(app.state().interval.load(), 2.5);
  EXPECT_EQ(app.state().memoState.load(), kStartWithoutMemo);
  EXPECT_EQ(app.timerOffsets().x, 12);
  EXPECT_EQ(app.timerOffsets().y, -4);
}

TEST(StartUpSettings, AVoiceWithoutClipsGivesTheMessageAndTheProgramCarriesOn) {
  TempFolder folder;
  folder.write("fudayomi.ini", "[Path]\nData1=" + (folder.path() / "nothing").string() + "\n");
  MessageCatcher catcher;
  catcher.arm();
  ReaderApp app(Language::Japanese, {folder.path() / "fudayomi.ini", folder.path()});
  EXPECT_EQ(catcher.seen, 1);
  EXPECT_EQ(catcher.caption, QString::fromUtf8("読手データ"));
  EXPECT_EQ(catcher.text, QString::fromUtf8("ファイルがありません"));
  EXPECT_EQ(labelText(app.window(), kKimarijiLabel), QString::fromUtf8("ふだよみ"));
}

TEST(TimingAdjustment, TheTrackBarSetsThePauseAndLabelAndAMoveDuringAStepCountsWhenItEnds) {
  ReaderFixture fixture;
  ReaderApp app(Language::English, fixture.paths());
  QSlider* slider = app.window().trackBar();
  slider->setValue(55);
  EXPECT_EQ(app.state().timingPause.load(), 1100);
  EXPECT_EQ(labelText(app.window(), kTimingLabel), "adjust the timing:  1.10");
  slider->setValue(0);
  EXPECT_EQ(labelText(app.window(), kTimingLabel), "adjust the timing:  0.00");
  // Moved while a step has claimed `busy` but not yet disabled the bar.
  app.state().busy = kPlaying;
  slider->setValue(100);
  EXPECT_EQ(app.state().timingPause.load(), 0);
  app.state().busy = kIdle;
  app.window().readingIdle();
  EXPECT_EQ(app.state().timingPause.load(), 2000);
  EXPECT_EQ(labelText(app.window(), kTimingLabel), "adjust the timing:  2.00");
}

TEST(MainWindowLayout, ResizingMovesOnlyTheStatusBar) {
  ReaderFixture fixture;
  ReaderApp app(Language::Japanese, fixture.paths());
  MainWindow& window = app.window();
  window.show();
  const QRect next = window.control(kNextButton)->geometry();
  const QRect status = window.statusBar()->geometry();
  window.resize(window.width() + 200, window.height() + 150);
  QApplication::processEvents();
  EXPECT_EQ(window.control(kNextButton)->geometry(), next);
  EXPECT_GT(window.statusBar()->geometry().top(), status.top());
  EXPECT_EQ(window.statusBar()->geometry().bottom(), window.height() - 1);
}

TEST(MainWindowLayout, TabWalksTheEnabledButtonsOnly) {
  ReaderFixture fixture;
  ReaderApp app(Language::English, fixture.paths());
  MainWindow& window = app.window();
  // The focus chain as Tab walks it: enabled widgets that take Tab focus.
  std::vector<int> visited;
  QWidget* widget = window.control(kAnkiStartButton);
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
