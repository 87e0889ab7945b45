#include "frontends/qt/memotimer_main_window.h"

#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include "frontends/qt/fonts.h"
#include "frontends/qt/timer_face.h"
#include "core/countdown/memotimer_ids.h"
#include "tests/ui/timer_test_support.h"
#include "tests/ui/ui_test_environment.h"

namespace fuda {
namespace {

using testing::RecordingSound;

struct Memotimer {
  explicit Memotimer(Language language = Language::English, int hour = 10, int minute = 0,
                     int second = 0) {
    ports.clock.setLocalStart(hour, minute, second);
    window = std::make_unique<MemotimerMainWindow>(
        language, MemotimerPorts{ports.clock, ports.announcer, ports.pause()});
    // The virtual clock drives the ticks, not the window's own timer.
    window->face()->stopTicking();
    quits = std::make_unique<QSignalSpy>(window.get(), &MemotimerMainWindow::quitRequested);
  }
  QString display() const { return window->face()->display()->text(); }
  void command(int id) {
    QAction* action = window->findChild<QAction*>(QString::number(id));
    ASSERT_NE(action, nullptr);
    action->trigger();
  }
  void tickUntil(double ms) {
    testing::tickUntil(*window, ports.clock, ms, [this] { return quits->count() > 0; });
  }

  testing::TimerPorts ports;
  std::unique_ptr<MemotimerMainWindow> window;
  std::unique_ptr<QSignalSpy> quits;
};

TEST(MemotimerMainWindow, LayoutMenuAndStatusBarInBothLanguages) {
  for (Language language : {Language::Japanese, Language::English}) {
    Memotimer timer(language);
    MemotimerMainWindow& window = *timer.window;
    const bool ja = language == Language::Japanese;
    EXPECT_EQ(window.windowTitle(), ja ? QStringLiteral("暗記タイマー") : QStringLiteral("Anki Timer"));

    QLabel* display = window.findChild<QLabel*>(QStringLiteral("1000"));
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->geometry(), QRect(220, 30, 365, 120));
    EXPECT_EQ(display->text(), QStringLiteral("15:00"));
    EXPECT_EQ(display->font().pixelSize(), 96);
    EXPECT_TRUE(display->font().italic());
    EXPECT_EQ(display->font().families(), countdownFont(language).families());

    auto* status = window.findChild<QStatusBar*>(QStringLiteral("70"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->geometry().bottom(), window.face()->height() - 1);

    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 1);
    EXPECT_EQ(bar[0]->text(), QStringLiteral(" "));
    QMenu* popup = bar[0]->menu();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, window.face()->popup());
    EXPECT_EQ(testing::menuLayout(popup),
              (QStringList{"1001", "-", "1002", "-", "1003", "-", "1004"}));
    EXPECT_EQ(testing::menuCaptions(popup),
              ja ? (QStringList{"暗記を開始する", "暗記時間を１分延ばす",
                                "そっと１分進める(^^;)", "終了する"})
                 : (QStringList{"Anki Start", "+1 minute", "-1 minute", "Exit"}));
  }
}

TEST(MemotimerMainWindow, IdleClockMovesButNothingCountsOrSounds) {
  Memotimer timer(Language::English, 9, 59, 30);
  EXPECT_EQ(timer.window->face()->handsTime().hour, 0);  // midnight before the first tick
  timer.tickUntil(10 * 60 * 1000);
  EXPECT_EQ(timer.display(), QStringLiteral("15:00"));
  EXPECT_TRUE(timer.ports.sound.events().empty());
  EXPECT_EQ(timer.window->face()->handsTime().hour, 10);
  EXPECT_EQ(timer.window->face()->handsTime().minute, 9);
  EXPECT_EQ(timer.window->face()->handsTime().second, 30);
  // The minute commands before a start change nothing that shows.
  timer.command(kCmdMemoShorten);
  timer.tickUntil(11 * 60 * 1000);
  EXPECT_EQ(timer.display(), QStringLiteral("15:00"));
  EXPECT_EQ(timer.quits->count(), 0);
}

TEST(MemotimerMainWindow, StartAnnouncesWaitsAndCountsToTheEnd) {
  Memotimer timer;
  timer.command(kCmdMemoStart);
  EXPECT_EQ(timer.ports.sound.played(), (std::vector<std::string>{"anki_s"}));
  EXPECT_EQ(timer.ports.pauses, (std::vector<double>{4000}));
  EXPECT_DOUBLE_EQ(timer.window->countdown().startSeconds, 36004);

  timer.tickUntil(5010);
  EXPECT_EQ(timer.display(), QStringLiteral("14:59"));
  timer.tickUntil(20 * 60 * 1000);
  ASSERT_EQ(timer.quits->count(), 1);
  EXPECT_EQ(timer.display(), QStringLiteral(" 0:00"));

  const auto& events = timer.ports.sound.events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].clip, "nifun");
  EXPECT_DOUBLE_EQ(events[1].calledAtMs, 4000 + 13 * 60 * 1000);
  EXPECT_EQ(events[2].clip, "shiai_s");
  EXPECT_EQ(events[2].kind, RecordingSound::Kind::Sync);  // heard whole before the end
  EXPECT_DOUBLE_EQ(events[2].calledAtMs, 4000 + 15 * 60 * 1000);
  EXPECT_DOUBLE_EQ(events[2].heardUntilMs, 4000 + 15 * 60 * 1000 + 2000);
  EXPECT_FALSE(timer.window->face()->isTicking());
}

TEST(MemotimerMainWindow, StartingAgainRestartsFromFifteenMinutes) {
  Memotimer timer;
  timer.command(kCmdMemoStart);
  timer.tickUntil(64 * 1000);
  EXPECT_EQ(timer.display(), QStringLiteral("14:00"));
  timer.command(kCmdMemoStart);
  EXPECT_EQ(timer.display(), QStringLiteral("15:00"));
  timer.tickUntil(69 * 1000);
  EXPECT_EQ(timer.display(), QStringLiteral("14:59"));
  EXPECT_EQ(timer.ports.sound.played(), (std::vector<std::string>{"anki_s", "anki_s"}));
  EXPECT_DOUBLE_EQ(timer.window->countdown().endSeconds, 36068 + 900);
}

TEST(MemotimerMainWindow, SixteenShorteningsEndAfterNifunAndTheEndAnnouncement) {
  Memotimer timer;
  timer.command(kCmdMemoStart);
  timer.tickUntil(4500);
  for (int i = 0; i < 16; ++i) timer.command(kCmdMemoShorten);
  timer.tickUntil(10000);
  ASSERT_EQ(timer.quits->count(), 1);
  EXPECT_EQ(timer.ports.sound.played(),
            (std::vector<std::string>{"anki_s", "nifun", "shiai_s"}));
  EXPECT_DOUBLE_EQ(timer.ports.sound.events()[1].calledAtMs, 5000);
  EXPECT_DOUBLE_EQ(timer.ports.sound.events()[2].calledAtMs, 5000);
}

TEST(MemotimerMainWindow, RunsPastMidnight) {
  Memotimer timer(Language::Japanese, 23, 49, 56);
  timer.command(kCmdMemoStart);  // the countdown starts at 23:50:00
  timer.tickUntil(20 * 60 * 1000);
  ASSERT_EQ(timer.quits->count(), 1);
  // The end announcement starts at 00:05:00 and is heard for 2 s.
  EXPECT_EQ(timer.ports.sound.played().back(), "shiai_s");
  EXPECT_DOUBLE_EQ(timer.ports.sound.events().back().calledAtMs, 4000 + 15 * 60 * 1000);
  EXPECT_EQ(timer.ports.clock.localTime().minute, 5);
  EXPECT_EQ(timer.ports.clock.localTime().second, 2);
}

TEST(MemotimerMainWindow, CloseBoxAndExitEndAtOnceWithoutTheEndAnnouncement) {
  {
    Memotimer timer;
    timer.command(kCmdMemoStart);
    timer.tickUntil(60 * 1000);
    timer.window->close();
    EXPECT_EQ(timer.quits->count(), 1);
    EXPECT_EQ(timer.ports.sound.played(), (std::vector<std::string>{"anki_s"}));
  }
  {
    Memotimer timer;
    timer.command(kCmdMemoExit);
    EXPECT_EQ(timer.quits->count(), 1);
    EXPECT_TRUE(timer.ports.sound.events().empty());
  }
}

TEST(MemotimerMainWindow, MissingAnnouncementIsReportedAndTheCountdownRunsOn) {
  Memotimer timer;
  timer.ports.clips.setMissing("anki_s");
  timer.command(kCmdMemoStart);
  ASSERT_EQ(timer.ports.messages.messages.size(), 1u);
  timer.tickUntil(5010);
  EXPECT_EQ(timer.display(), QStringLiteral("14:59"));
}

TEST(MemotimerMainWindow, RightClickOpensThePopup) {
  Memotimer timer;
  timer.window->show();
  QTest::mouseClick(timer.window->face(), Qt::RightButton, {}, QPoint(50, 50));
  QMenu* popup = timer.window->face()->popup();
  EXPECT_TRUE(popup->isVisible());
  popup->close();
}

}  // namespace
}  // namespace fuda
