#include "reader/timer/memo_timer_window.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include <gtest/gtest.h>

#include "common/ui/timer_face.h"
#include "reader/engine/control_ids.h"
#include "reader/engine/reading_state.h"
#include "reader/frame/tool_window.h"
#include "reader/timer/memo_timer.h"
#include "tests/ui/timer_test_support.h"
#include "tests/ui/tool_window_driver.h"
#include "tests/ui/ui_test_environment.h"

namespace fuda {
namespace {

using testing::RecordingSound;

// The reader's side of a start with memorisation, in virtual time. The
// timer opens its window through showToolWindow over a stand-in main
// window; the window is then run by ticking it every 10 ms until it closes,
// and the test schedules its commands on the virtual clock.
struct ReaderTimer {
  explicit ReaderTimer(int hour = 10, int minute = 0, int second = 0,
                       Language language = Language::English, QPoint offset = QPoint(180, 340))
      : registry(language) {
    ports.clock.setLocalStart(hour, minute, second);
    owner.setGeometry(40, 30, 300, 200);
    owner.show();
    timer = std::make_unique<MemoTimer>(MemoTimerSetup{
        &owner, memoState, thirdChoice, offset, ports.clock, ports.announcer, ports.pause(),
        [this](QWidget* mainWindow, std::string_view name) { return open(mainWindow, name); }});
    registerMemoTimerWindow(registry, *timer);
  }

  int open(QWidget* mainWindow, std::string_view name) {
    const auto run = testing::driveToolWindow(mainWindow, name, registry,
                                              [this](ToolWindow& tool) { drive(tool); });
    ++windowsOpened;
    EXPECT_TRUE(run.opened);
    EXPECT_FALSE(run.leftOpen);
    code = run.code;
    ownerEnabledAfter = owner.isEnabled();
    return run.code;
  }
  void drive(ToolWindow& tool) {
    this->tool = &tool;
    window = tool.findChild<MemoTimerWindow*>();
    ASSERT_NE(window, nullptr);
    ownerEnabledWhileOpen = owner.isEnabled();
    openedAtMs = ports.clock.nowMs();
    firstDisplay = display();
    // The virtual clock drives the ticks, not the window's own timer.
    tickingAtOpen = window->face()->isTicking();
    window->face()->stopTicking();
    if (onOpen) onOpen(tool, *window);
    testing::tickUntil(*window, ports.clock, ports.clock.nowMs() + 60 * 60 * 1000,
                       [&tool] { return tool.isClosed(); });
    closedAtMs = ports.clock.nowMs();
    lastDisplay = display();
    end = window->end();
    window = nullptr;
    this->tool = nullptr;
  }
  QString display() const { return window->face()->display()->text(); }
  // Runs `command` on the open window at virtual time `atMs`.
  void commandAt(double atMs, int command, int times = 1) {
    ports.clock.at(atMs, [this, command, times] {
      for (int i = 0; i < times; ++i) window->dispatchCommand(command);
    });
  }
  testing::TimerPorts ports;
  QWidget owner;  // the main window
  ToolWindowRegistry registry;
  std::atomic<std::int16_t> memoState{kStartWithMemo};
  std::atomic<std::int16_t> thirdChoice{0};
  std::unique_ptr<MemoTimer> timer;
  // Runs first when the window is found open, before the ticking.
  std::function<void(ToolWindow&, MemoTimerWindow&)> onOpen;
  ToolWindow* tool = nullptr;  // while open
  MemoTimerWindow* window = nullptr;
  int windowsOpened = 0;
  int code = -1;
  bool ownerEnabledWhileOpen = true, ownerEnabledAfter = false, tickingAtOpen = false;
  double openedAtMs = 0, closedAtMs = 0;
  QString firstDisplay, lastDisplay;
  TimerEnd end = TimerEnd::StillOpen;
};

std::vector<std::string> clipsOf(const RecordingSound& sound) { return sound.played(); }

TEST(MemoTimerWindow, LayoutAndMenuInBothLanguages) {
  for (Language language : {Language::Japanese, Language::English}) {
    const bool ja = language == Language::Japanese;
    ReaderTimer reader(10, 0, 0, language);
    bool checked = false;
    reader.onOpen = [&](ToolWindow& tool, MemoTimerWindow& timer) {
      checked = true;
      EXPECT_EQ(tool.objectName(), QStringLiteral("Timer"));
      EXPECT_EQ(tool.windowTitle(), ja ? QStringLiteral("暗記タイマー") : QStringLiteral("Anki Timer"));
      EXPECT_FALSE(tool.windowIcon().isNull());
      // The hands are centred on the whole client area.
      EXPECT_EQ(tool.client()->size(), QSize(594, 155));
      EXPECT_EQ(timer.face()->geometry(), tool.client()->rect());
      QLabel* display = tool.findChild<QLabel*>(QStringLiteral("1008"));
      ASSERT_NE(display, nullptr);
      EXPECT_EQ(display->geometry(), QRect(220, 30, 365, 120));
      EXPECT_EQ(display->text(), QStringLiteral("15:00"));
      EXPECT_EQ(display->font().pixelSize(), 96);
      EXPECT_EQ(display->font().weight(), QFont::Bold);

      const QList<QAction*> bar = tool.menuBar()->actions();
      ASSERT_EQ(bar.size(), 1);
      EXPECT_EQ(bar[0]->text(), QStringLiteral(" "));
      EXPECT_EQ(testing::menuLayout(bar[0]->menu()),
                (QStringList{"1245", "-", "1246", "-", "1247"}));
      EXPECT_EQ(testing::menuCaptions(bar[0]->menu()),
                ja ? (QStringList{"暗記時間を１分延ばす", "そっと１分進める(^^;)", "すぐに開始する"})
                   : (QStringList{"+1 minute", "-1 minute", "Start quickly"}));
      EXPECT_EQ(timer.face()->popup(), bar[0]->menu());
      // The menu's items reach the window.
      bar[0]->menu()->actions().last()->trigger();
      EXPECT_TRUE(tool.isClosed());
    };
    reader.timer->openMemoTimer();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(reader.tickingAtOpen);
    EXPECT_EQ(reader.end, TimerEnd::Early);
  }
}

TEST(MemoTimer, OpensOnlyWhenAStartWithMemorisationIsDue) {
  for (std::int16_t state : {kStartWithoutMemo, kMemoRanOut}) {
    ReaderTimer reader;
    reader.memoState = state;
    reader.timer->openMemoTimer();
    EXPECT_EQ(reader.windowsOpened, 0);
    EXPECT_TRUE(reader.ports.sound.events().empty());
    EXPECT_EQ(reader.memoState.load(), state);
  }
}

TEST(MemoTimer, AnnouncesWaitsFourSecondsThenCountsDownToZero) {
  ReaderTimer reader;
  reader.timer->openMemoTimer();
  EXPECT_EQ(reader.ports.pauses, (std::vector<double>{4000}));
  EXPECT_DOUBLE_EQ(reader.openedAtMs, 4000);
  EXPECT_EQ(reader.firstDisplay, QStringLiteral("15:00"));
  EXPECT_EQ(reader.end, TimerEnd::RanOut);
  EXPECT_EQ(reader.memoState.load(), kMemoRanOut);
  EXPECT_EQ(reader.lastDisplay, QStringLiteral(" 0:00"));
  EXPECT_FALSE(reader.ownerEnabledWhileOpen);
  EXPECT_TRUE(reader.ownerEnabledAfter);
  EXPECT_EQ(reader.code, 0);
  EXPECT_DOUBLE_EQ(reader.closedAtMs, 4000 + 15 * 60 * 1000);
  const auto& events = reader.ports.sound.events();
  EXPECT_EQ(clipsOf(reader.ports.sound), (std::vector<std::string>{"anki_s", "nifun", "shiai_s"}));
  EXPECT_DOUBLE_EQ(events[0].calledAtMs, 0);
  EXPECT_DOUBLE_EQ(events[1].calledAtMs, 4000 + 13 * 60 * 1000);
  // The end announcement is started, not waited for: the reading's own
  // opening waits for it.
  EXPECT_EQ(events[2].kind, RecordingSound::Kind::Async);
  EXPECT_DOUBLE_EQ(events[2].calledAtMs, reader.closedAtMs);
}

TEST(MemoTimer, StartAtTenToMidnightEndsAtFivePast) {
  ReaderTimer reader(23, 49, 56);  // the window opens at 23:50:00
  reader.timer->openMemoTimer();
  EXPECT_DOUBLE_EQ(reader.timer->countdown().endSeconds, 86700);
  EXPECT_EQ(reader.end, TimerEnd::RanOut);
  EXPECT_DOUBLE_EQ(reader.closedAtMs, 4000 + 15 * 60 * 1000);  // 00:05:00
}

TEST(MemoTimer, StartAtQuarterToMidnightEndsAtMidnight) {
  ReaderTimer reader(23, 44, 56);
  reader.timer->openMemoTimer();
  EXPECT_DOUBLE_EQ(reader.timer->countdown().endSeconds, 86400);
  EXPECT_EQ(reader.end, TimerEnd::RanOut);
  EXPECT_DOUBLE_EQ(reader.closedAtMs, 4000 + 15 * 60 * 1000);  // 00:00:00
}

TEST(MemoTimer, LengtheningAfterTheTwoMinuteMarkPlaysNifunOnce) {
  ReaderTimer reader;
  reader.commandAt(4000 + 13 * 60 * 1000 + 30 * 1000 + 500, kCmdTimerLonger);
  reader.ports.clock.at(4000 + 13 * 60 * 1000 + 31 * 1000 + 500,
                        [&] { EXPECT_EQ(reader.display(), QStringLiteral(" 2:29")); });
  reader.timer->openMemoTimer();
  EXPECT_DOUBLE_EQ(reader.closedAtMs, 4000 + 16 * 60 * 1000);
  EXPECT_EQ(clipsOf(reader.ports.sound), (std::vector<std::string>{"anki_s", "nifun", "shiai_s"}));
}

TEST(MemoTimer, ShorteningThreeTimesAtTwoThirtyEndsInOneTick) {
  ReaderTimer reader;
  const double twoThirty = 4000 + 12 * 60 * 1000 + 30 * 1000;
  reader.ports.clock.at(twoThirty + 500,
                        [&] { EXPECT_EQ(reader.display(), QStringLiteral(" 2:30")); });
  reader.commandAt(twoThirty + 500, kCmdTimerShorter, 3);
  reader.timer->openMemoTimer();
  EXPECT_EQ(reader.lastDisplay, QStringLiteral("-1:29"));
  EXPECT_EQ(reader.end, TimerEnd::RanOut);
  EXPECT_EQ(reader.memoState.load(), kMemoRanOut);
  const auto& events = reader.ports.sound.events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].clip, "nifun");
  EXPECT_EQ(events[2].clip, "shiai_s");
  EXPECT_DOUBLE_EQ(events[1].calledAtMs, twoThirty + 1000);
  EXPECT_DOUBLE_EQ(events[2].calledAtMs, twoThirty + 1000);
  EXPECT_DOUBLE_EQ(events[2].heardUntilMs, twoThirty + 1000 + 2000);  // heard whole
}

TEST(MemoTimer, LengtheningAtHalfAMinuteToMidnightEndsAtFiftyPast) {
  ReaderTimer reader(23, 44, 46);  // window at 23:44:50, end 86390
  reader.commandAt(4000 + 14 * 60 * 1000 + 40 * 1000 + 500, kCmdTimerLonger);  // 23:59:30
  reader.timer->openMemoTimer();
  EXPECT_DOUBLE_EQ(reader.timer->countdown().endSeconds, 86450);
  EXPECT_EQ(reader.end, TimerEnd::RanOut);
  EXPECT_DOUBLE_EQ(reader.closedAtMs, 4000 + 16 * 60 * 1000);  // 00:00:50
}

TEST(MemoTimer, LateTickStillEnds) {
  ReaderTimer reader;
  // The GUI thread is held up for 20 s across zero.
  reader.ports.clock.at(4000 + 14 * 60 * 1000 + 50 * 1000 + 5,
                        [&] { reader.ports.clock.sleepMs(20 * 1000); });
  reader.timer->openMemoTimer();
  EXPECT_EQ(reader.end, TimerEnd::RanOut);
  EXPECT_EQ(reader.lastDisplay, QStringLiteral("-1:50"));
  EXPECT_EQ(clipsOf(reader.ports.sound), (std::vector<std::string>{"anki_s", "nifun", "shiai_s"}));
}

TEST(MemoTimer, OneThirdGameCountsFiveMinutesAfterAnki5) {
  ReaderTimer reader;
  reader.thirdChoice = 2;
  reader.ports.clock.at(5000 + 5, [&] { EXPECT_EQ(reader.display(), QStringLiteral(" 4:59")); });
  reader.timer->openMemoTimer();
  EXPECT_EQ(reader.firstDisplay, QStringLiteral("5:00"));
  EXPECT_DOUBLE_EQ(reader.closedAtMs, 4000 + 5 * 60 * 1000);
  EXPECT_EQ(clipsOf(reader.ports.sound), (std::vector<std::string>{"anki_5", "nifun", "shiai_s"}));
  EXPECT_DOUBLE_EQ(reader.ports.sound.events()[1].calledAtMs, 4000 + 3 * 60 * 1000);
}

TEST(MemoTimer, ClosingEarlyKeepsMemoStateAndPlaysNothing) {
  {
    ReaderTimer reader;
    reader.commandAt(30 * 1000, kCmdTimerStartNow);
    reader.timer->openMemoTimer();
    EXPECT_EQ(reader.end, TimerEnd::Early);
    EXPECT_EQ(reader.memoState.load(), kStartWithMemo);
    EXPECT_EQ(clipsOf(reader.ports.sound), (std::vector<std::string>{"anki_s"}));
    EXPECT_FALSE(reader.ownerEnabledWhileOpen);
    EXPECT_TRUE(reader.ownerEnabledAfter);
    EXPECT_EQ(reader.code, 0);
  }
  {
    ReaderTimer reader;
    reader.ports.clock.at(30 * 1000, [&] { reader.tool->close(); });  // the close box
    reader.timer->openMemoTimer();
    EXPECT_EQ(reader.end, TimerEnd::Early);
    EXPECT_EQ(reader.memoState.load(), kStartWithMemo);
    EXPECT_DOUBLE_EQ(reader.closedAtMs, 30 * 1000);
    EXPECT_EQ(clipsOf(reader.ports.sound), (std::vector<std::string>{"anki_s"}));
    EXPECT_TRUE(reader.ownerEnabledAfter);
    EXPECT_EQ(reader.code, 0);
  }
}

TEST(MemoTimer, HandsFirstShowThePreviousRunsLastTime) {
  ReaderTimer reader(10, 0, 0);
  LocalTime firstHands{}, secondHands{};
  bool second = false;
  reader.onOpen = [&](ToolWindow&, MemoTimerWindow& window) {
    (second ? secondHands : firstHands) = window.face()->handsTime();
    reader.ports.clock.advanceTo(reader.ports.clock.nowMs() + 7000);
    window.tick();
    window.dispatchCommand(kCmdTimerStartNow);
  };
  reader.timer->openMemoTimer();
  EXPECT_EQ(firstHands.hour, 0);  // midnight on the first run
  second = true;
  reader.timer->openMemoTimer();
  EXPECT_EQ(reader.windowsOpened, 2);
  EXPECT_EQ(secondHands.hour, 10);
  EXPECT_EQ(secondHands.second, 11);
}

TEST(MemoTimer, WindowSitsAtTheOffsetFromTheMainWindow) {
  QPoint nearCorner;
  ReaderTimer near(10, 0, 0, Language::English, QPoint(20, 50));
  near.onOpen = [&](ToolWindow& tool, MemoTimerWindow&) {
    nearCorner = tool.frameGeometry().topLeft();
    tool.close();
  };
  near.timer->openMemoTimer();
  EXPECT_EQ(nearCorner, near.owner.frameGeometry().topLeft() + QPoint(20, 50));

  // Offsets that point off the screen keep the window on it whole.
  QRect farFrame;
  ReaderTimer far(10, 0, 0, Language::English, QPoint(100000, 100000));
  far.onOpen = [&](ToolWindow& tool, MemoTimerWindow&) {
    farFrame = tool.frameGeometry();
    tool.close();
  };
  far.timer->openMemoTimer();
  EXPECT_TRUE(far.owner.screen()->availableGeometry().contains(farFrame));
}

}  // namespace
}  // namespace fuda
