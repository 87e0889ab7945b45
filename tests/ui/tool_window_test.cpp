#include "frontends/qt/tool_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>

#include "frontends/qt/qt_message_sink.h"
#include "frontends/qt/main_window.h"
#include "tests/ui/tool_window_driver.h"

namespace fuda {
namespace {

using testing::driveToolWindow;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class ToolWindowTest : public ::testing::Test {
 protected:
  ToolWindowTest() : window(Language::English, messages), registry(Language::English) {
    window.show();
    // A window with one button that closes it with code 7.
    const auto build = [](ToolWindow& tool) {
      auto* close = new QPushButton(QStringLiteral("close"), tool.client());
      close->setObjectName(QStringLiteral("1"));
      close->setGeometry(10, 10, 80, 30);
      QObject::connect(close, &QPushButton::clicked, [&tool] { closeToolWindow(tool, 7); });
    };
    registry.add(kCardSelectionWindowName, build);
    registry.add(kThirdGameWindowName, build);
  }

  QtMessageSink messages;
  MainWindow window;
  ToolWindowRegistry registry;
};

TEST_F(ToolWindowTest, OpensOverTheDisabledOwnerUntilItsButtonClosesIt) {
  bool ownerEnabledDuring = true;
  QSize clientSize;
  QString title;
  const auto run = driveToolWindow(&window, kCardSelectionWindowName, registry,
                                   [&](ToolWindow& tool) {
                                     ownerEnabledDuring = window.isEnabled();
                                     clientSize = tool.client()->size();
                                     title = tool.windowTitle();
                                     EXPECT_TRUE(tool.isEnabled());
                                     EXPECT_TRUE(tool.isWindow());
                                     QTest::mouseClick(tool.findChild<QPushButton*>("1"),
                                                       Qt::LeftButton);
                                   });
  EXPECT_TRUE(run.opened);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_EQ(run.code, 7);
  EXPECT_FALSE(ownerEnabledDuring);
  EXPECT_EQ(clientSize, QSize(800, 600));
  EXPECT_EQ(title, QStringLiteral("Selection"));
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(window.findChild<ToolWindow*>(), nullptr) << "the window is gone";
}

TEST_F(ToolWindowTest, TheCloseBoxClosesWithCodeZeroAndEnablesTheOwner) {
  QSize clientSize;
  const auto run = driveToolWindow(&window, kThirdGameWindowName, registry,
                                   [&](ToolWindow& tool) {
                                     clientSize = tool.client()->size();
                                     tool.close();
                                   });
  EXPECT_TRUE(run.opened);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(clientSize, QSize(480, 360));
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(ToolWindowTest, AnyOtherNameOpensNothingAndReturnsAtOnce) {
  for (std::string_view name : {"cselect", "Other", "", "HSelect "}) {
    const auto run = driveToolWindow(&window, name, registry, [](ToolWindow&) {});
    EXPECT_FALSE(run.opened) << name;
    EXPECT_EQ(run.code, 0) << name;
    EXPECT_TRUE(window.isEnabled()) << name;
  }
  // A tool window nothing has registered opens nothing either.
  const auto run = driveToolWindow(&window, kTimerWindowName, registry, [](ToolWindow&) {});
  EXPECT_FALSE(run.opened);
  EXPECT_EQ(run.code, 0);
}

TEST_F(ToolWindowTest, TheOwnerTakesNoInputCannotBeClosedAndStillRepaints) {
  QSignalSpy commands(&window, &MainWindow::commandIssued);
  PaintCounter counter;
  bool stillVisible = false;
  const auto run = driveToolWindow(&window, kCardSelectionWindowName, registry,
                                   [&](ToolWindow&) {
                                     QTest::mouseClick(window.control(kQuickStartButton),
                                                       Qt::LeftButton);
                                     window.close();
                                     stillVisible = window.isVisible();
                                     window.client()->installEventFilter(&counter);
                                     window.client()->repaint();
                                   });
  EXPECT_TRUE(run.opened);
  EXPECT_TRUE(run.leftOpen);
  EXPECT_EQ(commands.count(), 0);
  EXPECT_TRUE(stillVisible);
  EXPECT_GT(counter.paints, 0);
  window.client()->removeEventFilter(&counter);

  // Afterwards the owner takes input again.
  QTest::mouseClick(window.control(kQuickStartButton), Qt::LeftButton);
  EXPECT_EQ(commands.count(), 1);
}

TEST_F(ToolWindowTest, TheOwnersPaintsAreDeliveredByTheNestedLoop) {
  PaintCounter counter;
  window.client()->installEventFilter(&counter);
  // Asks for a repaint from inside the nested loop, then lets the loop turn
  // a few times before closing; the paint must arrive meanwhile.
  int turns = 0;
  QTimer ask;
  ask.setSingleShot(true);
  QTimer watch;
  QObject::connect(&ask, &QTimer::timeout, [&] {
    counter.paints = 0;
    window.client()->update();
    watch.start(0);
  });
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (counter.paints > 0 || ++turns > 20) {
      watch.stop();
      if (auto* tool = window.findChild<ToolWindow*>()) tool->close();
    }
  });
  ask.start(0);
  EXPECT_EQ(showToolWindow(&window, kCardSelectionWindowName, registry), 0);
  window.client()->removeEventFilter(&counter);
  EXPECT_GT(counter.paints, 0);
}

TEST_F(ToolWindowTest, ACloseBoxHandlerMayKeepTheWindowOpen) {
  ToolWindowRegistry keeping(Language::Japanese);
  int closeBoxPresses = 0;
  keeping.add(kTimerWindowName, [&](ToolWindow& tool) {
    tool.setCloseBoxHandler([&] { ++closeBoxPresses; });
  });
  QString title;
  bool visibleAfterCloseBox = false;
  const auto run = driveToolWindow(&window, kTimerWindowName, keeping, [&](ToolWindow& tool) {
    title = tool.windowTitle();
    tool.close();
    visibleAfterCloseBox = tool.isVisible();
    closeToolWindow(tool, 3);
  });
  EXPECT_EQ(title, QStringLiteral("暗記タイマー"));
  EXPECT_EQ(closeBoxPresses, 1);
  EXPECT_TRUE(visibleAfterCloseBox);
  EXPECT_EQ(run.code, 3);
  EXPECT_TRUE(window.isEnabled());
}

TEST(ToolWindowOwnerTest, AnOwnerDestroyedWhileTheWindowIsOpenEndsTheLoop) {
  ToolWindowRegistry registry(Language::English);
  registry.add(kThirdGameWindowName, [](ToolWindow&) {});
  auto* owner = new QWidget;
  owner->show();
  QTimer later;
  later.setSingleShot(true);
  QObject::connect(&later, &QTimer::timeout, [owner] { delete owner; });
  later.start(0);
  EXPECT_EQ(showToolWindow(owner, kThirdGameWindowName, registry), 0);
}

}  // namespace
}  // namespace fuda
