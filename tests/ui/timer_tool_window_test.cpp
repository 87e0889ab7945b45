// The reader's "Timer" window as the player sees it: its layout and menu in
// both builds, its place beside the main window, and its close paths. The
// countdown it shows is the core's, tested on its own.
#include "frontends/qt/timer_tool_window.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include <gtest/gtest.h>

#include "frontends/qt/timer_face.h"
#include "core/screen/control_ids.h"
#include "tests/ui/timer_test_support.h"
#include "tests/ui/tool_window_driver.h"
#include "tests/ui/ui_test_environment.h"

namespace fuda {
namespace {

// A start with memorisation over a stand-in main window: the timer opens
// its window through showToolWindow, and `drive` runs on it once open.
struct ReaderTimer : ReaderFrontEnd {
  explicit ReaderTimer(Language language = Language::English, TimerOffsets offsets = {})
      : registry(language), timer(selection, ports.clock, ports.announcer, *this) {
    testing::uiApplication();
    timer.setOffsets(offsets);
    owner.setGeometry(40, 30, 300, 200);
    owner.show();
    registerTimerToolWindow(registry, timer);
  }
  void openToolWindow(std::string_view name) override {
    const auto run = testing::driveToolWindow(&owner, name, registry, [this](ToolWindow& tool) {
      TimerToolWindow* window = tool.findChild<TimerToolWindow*>();
      ASSERT_NE(window, nullptr);
      ownerEnabledWhileOpen = owner.isEnabled();
      tickingAtOpen = window->face()->isTicking();
      drive(tool, *window);
    });
    leftOpen = run.leftOpen;
  }
  void openHelp(const std::filesystem::path&) override {}
  void pauseWithoutInput(double ms) override { ports.pause()(ms); }

  testing::TimerPorts ports;
  QWidget owner;  // the main window
  ToolWindowRegistry registry;
  CardSelection selection;
  MemoTimer timer;
  std::function<void(ToolWindow&, TimerToolWindow&)> drive = [](ToolWindow&, TimerToolWindow&) {};
  bool ownerEnabledWhileOpen = true, tickingAtOpen = false, leftOpen = true;
};

TEST(TimerToolWindow, LayoutAndMenuInBothLanguages) {
  for (Language language : {Language::Japanese, Language::English}) {
    const bool ja = language == Language::Japanese;
    ReaderTimer reader(language);
    bool checked = false;
    reader.drive = [&](ToolWindow& tool, TimerToolWindow& timer) {
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
      // The menu's items reach the countdown: "Start quickly" closes.
      bar[0]->menu()->actions().last()->trigger();
      EXPECT_TRUE(tool.isClosed());
    };
    EXPECT_EQ(reader.timer.openMemoTimer(), MemoOutcome::ClosedEarly);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(reader.tickingAtOpen);
    EXPECT_FALSE(reader.ownerEnabledWhileOpen);
    EXPECT_TRUE(reader.owner.isEnabled());
  }
}

TEST(TimerToolWindow, TheCloseBoxEndsTheMemorisationEarly) {
  ReaderTimer reader;
  reader.drive = [](ToolWindow& tool, TimerToolWindow&) { tool.close(); };
  EXPECT_EQ(reader.timer.openMemoTimer(), MemoOutcome::ClosedEarly);
  EXPECT_FALSE(reader.leftOpen);
  EXPECT_TRUE(reader.owner.isEnabled());
}

TEST(TimerToolWindow, WindowSitsAtTheOffsetFromTheMainWindow) {
  QPoint nearCorner;
  ReaderTimer near(Language::English, {20, 50});
  near.drive = [&](ToolWindow& tool, TimerToolWindow&) {
    nearCorner = tool.frameGeometry().topLeft();
    tool.close();
  };
  near.timer.openMemoTimer();
  EXPECT_EQ(nearCorner, near.owner.frameGeometry().topLeft() + QPoint(20, 50));

  // Offsets that point off the screen keep the window on it whole.
  QRect farFrame;
  ReaderTimer far(Language::English, {100000, 100000});
  far.drive = [&](ToolWindow& tool, TimerToolWindow&) {
    farFrame = tool.frameGeometry();
    tool.close();
  };
  far.timer.openMemoTimer();
  EXPECT_TRUE(far.owner.screen()->availableGeometry().contains(farFrame));
}

}  // namespace
}  // namespace fuda
