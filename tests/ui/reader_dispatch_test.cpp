// The reader driven as a player drives it, through its window: real clicks
// on the buttons, menu items triggered, mouse gestures on the background,
// a voice of short clips read by the real engine in virtual time. The
// commands' own rules are the dispatch's unit tests; here, that each control
// reaches them and the window shows what the engine did.
#include <QApplication>
#include <QSlider>

#include <gtest/gtest.h>

#include "core/cards/poem_table.h"
#include "tests/ui/reader_under_test.h"

namespace fuda {
namespace {

using testing::ReaderUnderTest;
using testing::VoiceClips;

// A right double-click starts at once, without the countdown.
constexpr const char* kSettings = "[Auto]\nItvl=2.5\n[Timer]\nUse=0\n";

class ReaderWithVoice : public ReaderUnderTest {
 public:
  explicit ReaderWithVoice(Language language = Language::Japanese)
      : ReaderUnderTest(language, kSettings, VoiceClips::Every) {
    window().show();
    // No pause after the lower verses, so games are quick.
    window().trackBar()->setValue(0);
  }
  QString upperVerseOf(int poem) {
    return toQString(PoemTable::forLanguage(Language::Japanese)[poem].upperVerse);
  }
};

TEST(ReaderDispatch, StartQuicklyThenNextThenTheGameEndsAsThePlayerSeesIt) {
  ReaderWithVoice reader;
  reader.selectCards({12, 34});
  EXPECT_FALSE(reader.enabled(kNextButton));
  // While the opening reads, the start buttons, the radios and the reading
  // controls are off.
  bool offDuringTheOpening = false;
  reader.at(1020, [&] {  // the lead-in is over, the preface reads
    offDuringTheOpening = !reader.enabled(kQuickStartButton) &&
                          !reader.enabled(kStartWithMemoButton) &&
                          !reader.enabled(kManualRadio) && !reader.enabled(kAutoRadio) &&
                          !reader.enabled(kExitButton) && !reader.enabled(kTimingTrackBar) &&
                          !reader.enabled(kTimingLabel);
  });

  reader.click(kQuickStartButton);
  EXPECT_TRUE(offDuringTheOpening);
  ASSERT_TRUE(reader.waitingForNext());
  const int first = reader.lastUpperVerse();
  EXPECT_TRUE(first == 12 || first == 34);
  EXPECT_EQ(reader.text(kUpperVerseLabel), reader.upperVerseOf(first));
  EXPECT_TRUE(reader.enabled(kExitButton));
  EXPECT_TRUE(reader.enabled(kManualRadio));
  EXPECT_TRUE(reader.enabled(kTimingTrackBar));
  EXPECT_FALSE(reader.enabled(kStartWithMemoButton));

  reader.click(kNextButton);
  ASSERT_TRUE(reader.waitingForNext());
  EXPECT_EQ(reader.text(kUpperVerseLabel), reader.upperVerseOf(first == 12 ? 34 : 12));

  // The last card's lower verse ends the game.
  reader.click(kNextButton);
  ASSERT_TRUE(reader.gameOver());
  EXPECT_EQ(reader.text(kUpperVerseLabel), reader.upperVerseOf(0));
  EXPECT_TRUE(reader.enabled(kStartWithMemoButton));
  EXPECT_TRUE(reader.enabled(kExitButton));
  EXPECT_TRUE(reader.enabled(kAutoRadio));
  EXPECT_TRUE(reader.window().isVisible());
}

TEST(ReaderDispatch, RightButtonGesturesReadTheGameAndItsEndReleasesTheMouseLock) {
  ReaderWithVoice reader;
  reader.selectCards({40, 41});
  QWidget* client = reader.window().client();
  const QPoint background(200, 250);
  QTest::mousePress(client, Qt::LeftButton, {}, background);
  QTest::mouseRelease(client, Qt::LeftButton, {}, background);
  EXPECT_TRUE(reader.window().mouseLock().isOn());

  // A right double-click starts a game; its second press is refused.
  QTest::mouseDClick(client, Qt::RightButton, {}, background);
  ASSERT_TRUE(reader.waitingForNext());
  const int first = reader.lastUpperVerse();
  EXPECT_TRUE(reader.window().mouseLock().isOn());

  QTest::mousePress(client, Qt::RightButton, {}, background);
  ASSERT_TRUE(reader.waitingForNext());
  EXPECT_NE(reader.lastUpperVerse(), first);

  QTest::mousePress(client, Qt::RightButton, {}, background);
  EXPECT_TRUE(reader.gameOver());
  EXPECT_FALSE(reader.window().mouseLock().isOn());
}

TEST(ReaderDispatch, ModeRadiosAndMenuItemsKeepTheRadioButtonsInStep) {
  ReaderWithVoice reader;
  reader.click(kAutoRadio);
  EXPECT_TRUE(reader.checked(kAutoRadio));
  reader.trigger(kCmdManualMode);
  EXPECT_TRUE(reader.checked(kManualRadio));
  EXPECT_FALSE(reader.checked(kAutoRadio));
  reader.trigger(kCmdInterval7);
  EXPECT_TRUE(reader.checked(kAutoRadio));
  reader.click(kManualRadio);
  EXPECT_TRUE(reader.checked(kManualRadio));
}

TEST(ReaderDispatch, TestReadingDisablesEveryControlUntilItEnds) {
  ReaderWithVoice reader;
  std::vector<int> onDuringTheReading;
  reader.at(10, [&] {
    for (int id : {kManualRadio, kAutoRadio, kStartWithMemoButton, kQuickStartButton, kNextButton,
                   kExitButton, kTimingLabel, kTimingTrackBar}) {
      if (reader.enabled(id)) onDuringTheReading.push_back(id);
    }
  });
  reader.trigger(kCmdTestReading);
  EXPECT_TRUE(onDuringTheReading.empty());
  EXPECT_TRUE(reader.gameOver());
  EXPECT_TRUE(reader.enabled(kExitButton));
}

// The exit while the preface's lower verse sounds, with the first card's
// upper verse placed right behind it: the sound stops at that moment, the
// window closes, and nothing of the game is shown or heard afterwards.
TEST(ReaderDispatch, ExitMenuOrCloseBoxDuringAVerseSilencesAndClosesAtOnce) {
  for (const bool closeBox : {false, true}) {
    ReaderWithVoice reader;
    reader.selectCards({9});
    const QString shown = reader.text(kUpperVerseLabel);
    reader.at(1020, [&] {
      if (closeBox) {
        reader.window().close();
      } else {
        reader.trigger(kCmdExit);
      }
    });
    reader.click(kQuickStartButton);

    EXPECT_FALSE(reader.window().isVisible()) << closeBox;
    const auto& events = reader.ports.recordedSound.events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, testing::RecordingSound::Kind::Stop);
    EXPECT_EQ(events.back().calledAtMs, 1020);
    EXPECT_EQ(reader.ports.recordedSound.heard(), std::vector<std::string>{"I-000B"});
    EXPECT_EQ(reader.text(kUpperVerseLabel), shown);
    EXPECT_EQ(reader.ports.shutdowns, 1);
    // Commands after the end do nothing.
    reader.click(kQuickStartButton);
    reader.app->program().dispatchCommand(ReaderCommand::TestReading);
    EXPECT_EQ(events.back().calledAtMs, 1020);
  }
}

TEST(ReaderDispatch, ExitButtonWithNoGameQuits) {
  ReaderWithVoice reader;
  reader.click(kExitButton);
  EXPECT_FALSE(reader.window().isVisible());
}

}  // namespace
}  // namespace fuda
