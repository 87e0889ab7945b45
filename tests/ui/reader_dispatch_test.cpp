// The reader driven as a player drives it: real clicks on the buttons, menu
// items triggered, mouse gestures on the window's background, a voice of
// short clips read by the real engine on its own thread with SDL's dummy
// driver. Waits are real but short.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <string>

#include <gtest/gtest.h>

#include "reader/cards/poem_table.h"
#include "reader/frame/main_window.h"
#include "reader/frame/reader_app.h"
#include "tests/fakes/temp_folder.h"
#include "tests/support/wav_bytes.h"
#include "tests/ui/eventually.h"
#include "tests/ui/message_catcher.h"
#include "tests/ui/ui_test_environment.h"
#include "common/ui/qt_text.h"

namespace fuda {
namespace {

using testing::eventually;
using testing::MessageCatcher;
using testing::TempFolder;

constexpr int kLongMs = 6000;  // the longest a step may take here

// A folder with a settings file and a voice of 50 ms clips for every verse.
class ReaderWithVoice {
 public:
  explicit ReaderWithVoice(Language language = Language::Japanese) {
    const auto voice = folder.path() / "voice";
    std::filesystem::create_directories(voice);
    const auto clip = testing::wav16(2, 44100, testing::sine16(2205, 2, 44100, 440));
    for (int poem = 0; poem <= 100; ++poem) {
      for (char verse : {'A', 'B'}) {
        char name[16];
        std::snprintf(name, sizeof name, "I-%03d%c.WAV", poem, verse);
        testing::writeBytes(voice / name, clip);
      }
    }
    folder.write("fudayomi.ini", "[Path]\nData1=" + voice.string() + "\n[Auto]\nItvl=2.5\n"
                 // A right double-click starts at once, without the countdown.
                 "[Timer]\nUse=0\n");
    app = std::make_unique<ReaderApp>(language,
                                      ReaderPaths{folder.path() / "fudayomi.ini", folder.path()});
    window().show();
    // No pause after the lower verses, so games are quick.
    window().trackBar()->setValue(0);
  }

  MainWindow& window() { return app->window(); }
  QWidget* control(int id) { return window().control(id); }
  bool enabled(int id) { return control(id)->isEnabled(); }
  QString text(int id) { return qobject_cast<QLabel*>(control(id))->text(); }
  bool checked(int id) { return qobject_cast<QRadioButton*>(control(id))->isChecked(); }
  void click(int id) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(control(id)), Qt::LeftButton);
  }
  void trigger(int id) {
    QAction* action = window().menuBar()->findChild<QAction*>(QString::number(id));
    ASSERT_NE(action, nullptr) << id;
    action->trigger();
  }
  // A game of the given cards in any order, without the preface's upper verse.
  void selectCards(std::initializer_list<int> poems) {
    CardSelection& selection = app->selection();
    selection.selectionActive = 1;
    selection.selected[0] = 0;
    for (int poem : poems) selection.selected[poem] = 1;
  }
  bool waitingForNext() {
    return app->state().running.load() == 1 && app->state().busy.load() == kIdle &&
           enabled(kNextButton);
  }
  bool gameOver() {
    return app->state().running.load() == 0 && app->state().busy.load() == kIdle &&
           enabled(kQuickStartButton);
  }

  TempFolder folder;
  std::unique_ptr<ReaderApp> app;
};

TEST(ReaderDispatch, StartQuicklyThenNextThenTheGameEndsAsThePlayerSeesIt) {
  ReaderWithVoice reader;
  reader.selectCards({12, 34});
  EXPECT_FALSE(reader.enabled(kNextButton));

  reader.click(kQuickStartButton);
  // The start buttons and the radios go at once; the reading controls once
  // the opening reads.
  ASSERT_TRUE(eventually([&] { return !reader.enabled(kQuickStartButton); }));
  EXPECT_FALSE(reader.enabled(kAnkiStartButton));
  EXPECT_FALSE(reader.enabled(kManualRadio));
  EXPECT_FALSE(reader.enabled(kAutoRadio));
  ASSERT_TRUE(eventually([&] { return !reader.enabled(kExitButton); }));
  EXPECT_FALSE(reader.enabled(kTimingTrackBar));
  EXPECT_FALSE(reader.enabled(kTimingLabel));

  ASSERT_TRUE(eventually([&] { return reader.waitingForNext(); }, kLongMs));
  const ReadingOrder& order = reader.app->order();
  const PoemTable& table = PoemTable::forLanguage(Language::Japanese);
  EXPECT_EQ(reader.text(kUpperVerseLabel), toQString(table[order.poem[1]].upperVerse));
  EXPECT_EQ(reader.text(kPoetLabel), toQString(table[order.poem[1]].poet));
  EXPECT_TRUE(reader.enabled(kExitButton));
  EXPECT_TRUE(reader.enabled(kManualRadio));
  EXPECT_TRUE(reader.enabled(kTimingTrackBar));
  EXPECT_FALSE(reader.enabled(kQuickStartButton));
  EXPECT_FALSE(reader.enabled(kAnkiStartButton));

  reader.click(kNextButton);
  ASSERT_TRUE(eventually([&] { return !reader.enabled(kNextButton); }));
  ASSERT_TRUE(eventually([&] { return reader.waitingForNext(); }, kLongMs));
  EXPECT_EQ(reader.text(kUpperVerseLabel), toQString(table[order.poem[2]].upperVerse));
  EXPECT_EQ(reader.app->state().position.load(), 2);

  // The last card's lower verse ends the game.
  reader.click(kNextButton);
  ASSERT_TRUE(eventually([&] { return reader.gameOver(); }, kLongMs));
  ASSERT_TRUE(
      eventually([&] { return reader.text(kUpperVerseLabel) == toQString(table[0].upperVerse); }));
  EXPECT_EQ(reader.text(kKimarijiLabel), toQString(table[0].kimariji));
  EXPECT_TRUE(reader.enabled(kAnkiStartButton));
  EXPECT_FALSE(reader.enabled(kNextButton));
  EXPECT_TRUE(reader.enabled(kExitButton));
  EXPECT_TRUE(reader.enabled(kAutoRadio));
  EXPECT_TRUE(reader.enabled(kTimingTrackBar));
  EXPECT_EQ(reader.app->selection().selectionActive.load(), 0);
  EXPECT_TRUE(reader.window().isVisible());
}

TEST(ReaderDispatch, SelectionItemsAndOrderGesturesAreRefusedWhileAGameRuns) {
  ReaderWithVoice reader;
  reader.selectCards({5, 6, 7});
  reader.trigger(kCmdQuickStart);
  ASSERT_TRUE(eventually([&] { return reader.waitingForNext(); }, kLongMs));
  ReadingState& state = reader.app->state();
  const auto windows = QApplication::topLevelWidgets().size();

  QTest::mouseDClick(reader.control(kTitlePicture), Qt::LeftButton);
  QTest::mouseDClick(reader.window().client(), Qt::MiddleButton, {}, QPoint(200, 250));
  reader.trigger(kCmdCardSelection);
  reader.trigger(kCmdThirdGame);
  reader.trigger(kCmdQuickStart);
  reader.trigger(kCmdAnkiStart);
  QApplication::processEvents();
  EXPECT_EQ(state.orderVariant.load(), 0);
  EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(state.position.load(), 1);
  EXPECT_EQ(state.busy.load(), kIdle);

  // "Exit" between steps reads the current card's lower verse and ends the
  // game; then the gestures act again, the later one winning.
  reader.click(kExitButton);
  ASSERT_TRUE(eventually([&] { return reader.gameOver(); }, kLongMs));
  EXPECT_TRUE(reader.window().isVisible());
  QTest::mouseDClick(reader.control(kTitlePicture), Qt::LeftButton);
  EXPECT_EQ(state.orderVariant.load(), 2);
  QTest::mouseDClick(reader.window().client(), Qt::MiddleButton, {}, QPoint(200, 250));
  EXPECT_EQ(state.orderVariant.load(), 1);
}

TEST(ReaderDispatch, RightButtonReadsTheNextStepAndTheGameEndReleasesTheMouseLock) {
  ReaderWithVoice reader;
  reader.selectCards({40, 41});
  QWidget* client = reader.window().client();
  const QPoint background(200, 250);
  QTest::mousePress(client, Qt::LeftButton, {}, background);
  QTest::mouseRelease(client, Qt::LeftButton, {}, background);
  EXPECT_EQ(reader.app->state().mouseLock.load(), 1);

  // A right double-click starts a game; its second press is refused.
  QTest::mouseDClick(client, Qt::RightButton, {}, background);
  ASSERT_TRUE(eventually([&] { return reader.waitingForNext(); }, kLongMs));
  EXPECT_EQ(reader.app->state().mouseLock.load(), 1);

  QTest::mousePress(client, Qt::RightButton, {}, background);
  ASSERT_TRUE(eventually([&] { return !reader.enabled(kNextButton); }));
  ASSERT_TRUE(eventually([&] { return reader.waitingForNext(); }, kLongMs));
  EXPECT_EQ(reader.app->state().position.load(), 2);

  reader.window().commandIssued(kGestureRightButton);
  ASSERT_TRUE(eventually([&] { return reader.gameOver(); }, kLongMs));
  EXPECT_EQ(reader.app->state().mouseLock.load(), 0);
}

TEST(ReaderDispatch, ModeRadiosAndMenuItemsKeepTheRadioButtonsInStep) {
  ReaderWithVoice reader;
  ReadingState& state = reader.app->state();
  reader.click(kAutoRadio);
  EXPECT_TRUE(reader.checked(kAutoRadio));
  EXPECT_EQ(state.mode.load(), kAutomatic);

  reader.trigger(kCmdManualMode);
  EXPECT_TRUE(reader.checked(kManualRadio));
  EXPECT_FALSE(reader.checked(kAutoRadio));
  EXPECT_EQ(state.mode.load(), kManual);

  reader.trigger(kCmdInterval7);
  EXPECT_TRUE(reader.checked(kAutoRadio));
  EXPECT_EQ(state.interval.load(), 7.0);
  reader.trigger(kCmdManualMode);
  reader.trigger(kCmdIntervalDefault);
  EXPECT_TRUE(reader.checked(kAutoRadio));
  EXPECT_EQ(state.interval.load(), 2.5);

  reader.click(kManualRadio);
  EXPECT_TRUE(reader.checked(kManualRadio));
  EXPECT_EQ(state.mode.load(), kManual);
}

TEST(ReaderDispatch, TestReadingDisablesEveryControlUntilItEnds) {
  ReaderWithVoice reader;
  reader.trigger(kCmdTestReading);
  for (int id : {kManualRadio, kAutoRadio, kAnkiStartButton, kQuickStartButton, kNextButton,
                 kExitButton, kTimingLabel, kTimingTrackBar}) {
    ASSERT_TRUE(eventually([&] { return !reader.enabled(id); })) << id;
  }
  ASSERT_TRUE(eventually([&] { return reader.gameOver(); }, kLongMs));
  EXPECT_TRUE(reader.enabled(kExitButton));
  EXPECT_TRUE(reader.enabled(kAnkiStartButton));
  EXPECT_FALSE(reader.enabled(kNextButton));
}

TEST(ReaderDispatch, AboutBoxInBothBuilds) {
  for (const auto& [language, text] :
       {std::pair{Language::Japanese, "札読みひばりくん Ver.2.90"},
        std::pair{Language::English, "fudayomi hibari kun Ver.2.90"}}) {
    ReaderWithVoice reader(language);
    MessageCatcher catcher;
    catcher.arm();
    reader.trigger(kCmdAbout);
    EXPECT_EQ(catcher.seen, 1);
    EXPECT_EQ(catcher.caption, "fudayomi");
    EXPECT_EQ(catcher.text, QString::fromUtf8(text));
  }
}

// The longer verse of the preface, so the exit catches it sounding.
void lengthenPrefaceLowerVerse(ReaderWithVoice& reader) {
  testing::writeBytes(reader.folder.path() / "voice" / "I-000B.WAV",
                      testing::wav16(2, 44100, testing::sine16(88200, 2, 44100, 440)));
}

// The preface's two-second lower verse sounds, with the first card's upper
// verse placed right behind it.
bool verseSounding(ReaderApp& app) {
  const auto placed = app.sound().lastPlacement();
  const std::uint64_t now = app.sound().framesOutput();
  return placed && now + 4410 < placed->firstFrame && placed->firstFrame < now + 88200 - 4410;
}

TEST(ReaderDispatch, ExitMenuDuringAVerseSilencesAndClosesAtOnce) {
  ReaderWithVoice reader;
  lengthenPrefaceLowerVerse(reader);
  reader.selectCards({9});
  reader.click(kQuickStartButton);
  ASSERT_TRUE(eventually([&] { return verseSounding(*reader.app); }, kLongMs));
  const QString shown = reader.text(kUpperVerseLabel);
  const std::uint64_t frame = reader.app->sound().framesOutput();

  reader.trigger(kCmdExit);
  // The shutdown ran inside the command: the reading thread has been joined.
  EXPECT_FALSE(reader.window().isVisible());
  EXPECT_LE(reader.app->sound().lastPlacement()->endFrame,
            frame + 2 * reader.app->sound().bufferFrames());
  QTest::qWait(100);
  EXPECT_EQ(reader.text(kUpperVerseLabel), shown);
  // Commands after the end do nothing.
  reader.click(kQuickStartButton);
  reader.app->dispatchCommand(kCmdTestReading);
  EXPECT_EQ(reader.app->state().busy.load(), kPlaying);
}

TEST(ReaderDispatch, ClosingTheWindowDuringThePauseEndsTheReadingToo) {
  ReaderWithVoice reader;
  reader.window().trackBar()->setValue(100);  // a two-second pause
  reader.selectCards({9});
  reader.click(kQuickStartButton);
  // The preface's lower verse has been heard; the first card's upper verse
  // waits two seconds behind it.
  ASSERT_TRUE(eventually(
      [&] {
        const auto placed = reader.app->sound().lastPlacement();
        const std::uint64_t now = reader.app->sound().framesOutput();
        return placed && now + 44100 < placed->firstFrame && now + 88200 > placed->firstFrame;
      },
      kLongMs));
  reader.window().close();
  EXPECT_FALSE(reader.window().isVisible());
  EXPECT_NE(reader.text(kUpperVerseLabel),
            toQString(PoemTable::forLanguage(Language::Japanese)[9].upperVerse));
}

TEST(ReaderDispatch, ExitButtonWithNoGameQuits) {
  ReaderWithVoice reader;
  reader.click(kExitButton);
  EXPECT_FALSE(reader.window().isVisible());
}

}  // namespace
}  // namespace fuda
