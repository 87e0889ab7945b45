// The main window's mouse as a player meets it: the real pointer on an X
// server, pressed and moved with xdotool. Every test ends its gestures with
// one whose effect it waits for; X delivers in order, so by then the earlier
// gestures have been handled too.
#include <QLabel>
#include <QTest>
#include <vector>

#include <gtest/gtest.h>

#include "frontends/qt/linux_ports.h"
#include "frontends/qt/main_window.h"
#include "frontends/qt/reader_app.h"
#include "tests/fakes/temp_folder.h"
#include "tests/pointer/pointer_display.h"
#include "tests/ui/eventually.h"

namespace fuda {
namespace {

using testing::eventually;
using testing::PointerDisplay;

class MainWindowPointerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    x_ = PointerDisplay::get();
    if (x_ == nullptr) GTEST_SKIP() << "needs Xvfb and xdotool";
    folder_.write("voice/I-000A.wav", "");
    folder_.write("fudayomi.ini",
                  "[Path]\nData1=" + (folder_.path() / "voice").string() + "\n");
    ports_ = std::make_unique<LinuxPorts>(Language::English, "fudayomi-");
    app_ = std::make_unique<ReaderApp>(
        Language::English, ReaderPaths{folder_.path() / "fudayomi.ini", folder_.path()}, *ports_);
    app_->startUp();
    QObject::connect(&window(), &MainWindow::commandIssued, &window(),
                     [this](int id) { commands_.push_back(id); });
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    focus(window());
  }

  MainWindow& window() { return app_->window(); }
  // A point of the client area, or the middle of a control, on the screen.
  QPoint onScreen(QPoint client) { return window().client()->mapToGlobal(client); }
  QPoint middleOf(int id) {
    QWidget* control = window().control(id);
    return control->mapToGlobal(control->rect().center());
  }
  void focus(QWidget& widget) {
    ASSERT_TRUE(x_->xdotool("windowfocus --sync " + std::to_string(widget.winId())));
    ASSERT_TRUE(eventually([&] { return widget.isActiveWindow(); }));
  }
  // Ends a test's gestures: a right click on the background, which is a
  // command of its own.
  void rightClickOnBackgroundAndWait(QPoint at) {
    const auto seen = commands_.size();
    ASSERT_TRUE(x_->at(at, "click 3"));
    ASSERT_TRUE(eventually([&] { return commands_.size() > seen; }));
    EXPECT_EQ(commands_.back(), kGestureRightButton);
    commands_.pop_back();
  }
  bool pointerNear(QPoint point) {
    return (x_->pointer() - point).manhattanLength() <= 2;
  }

  const PointerDisplay* x_ = nullptr;
  testing::TempFolder folder_;
  std::unique_ptr<LinuxPorts> ports_;
  std::unique_ptr<ReaderApp> app_;
  std::vector<int> commands_;
  // On the background, away from every control.
  const QPoint background_{200, 60};
};

TEST_F(MainWindowPointerTest, ALeftClickHoldsThePointerOnItsPointUntilTheNextOne) {
  const QPoint point = onScreen(background_);
  ASSERT_TRUE(x_->at(point, "click 1"));
  ASSERT_TRUE(eventually([&] { return window().mouseLock().isHolding(); }));
  EXPECT_TRUE(window().mouseLock().isOn());
  EXPECT_EQ(window().mouseLock().lockRect(),
            QRect(point - QPoint(1, 1), point));  // left x-1, top y-1, right x+1, bottom y+1

  // Pushed away, the pointer comes back to its point.
  ASSERT_TRUE(x_->at(point + QPoint(150, 90)));
  EXPECT_TRUE(eventually([&] { return pointerNear(point); }));

  ASSERT_TRUE(x_->at(point, "click 1"));
  ASSERT_TRUE(eventually([&] { return !window().mouseLock().isOn(); }));
  const QPoint away = point + QPoint(150, 90);
  rightClickOnBackgroundAndWait(away);
  EXPECT_EQ(x_->pointer(), away);
}

TEST_F(MainWindowPointerTest, LeavingTheWindowLetsThePointerGoAndComingBackHoldsItAgain) {
  const QPoint point = onScreen(background_);
  ASSERT_TRUE(x_->at(point, "click 1"));
  ASSERT_TRUE(eventually([&] { return window().mouseLock().isHolding(); }));

  QLabel other("another program");
  other.setGeometry(window().geometry().right() + 20, 40, 200, 100);
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  focus(other);
  EXPECT_FALSE(window().mouseLock().isHolding());
  EXPECT_TRUE(window().mouseLock().isOn());  // suspended, not ended
  const QPoint inOther = other.mapToGlobal(QPoint(100, 50));
  ASSERT_TRUE(x_->at(inOther));
  ASSERT_TRUE(eventually([&] { return other.underMouse(); }));
  EXPECT_EQ(x_->pointer(), inOther);

  // Coming back by the keyboard or the task bar: the pointer is put back.
  focus(window());
  EXPECT_TRUE(eventually([&] { return pointerNear(point); }));
  EXPECT_TRUE(window().mouseLock().isHolding());
}

TEST_F(MainWindowPointerTest, TheBannerKeepsItsClicksAndItsDoubleClickIsTheOrderCommand) {
  ASSERT_TRUE(x_->at(middleOf(kTitlePicture), "click 1"));
  rightClickOnBackgroundAndWait(onScreen(background_));
  EXPECT_FALSE(window().mouseLock().isOn());
  EXPECT_TRUE(commands_.empty());

  ASSERT_TRUE(x_->at(middleOf(kTitlePicture), "click --repeat 2 --delay 80 1"));
  ASSERT_TRUE(eventually([&] { return !commands_.empty(); }));
  EXPECT_EQ(commands_, std::vector<int>{kTitlePicture});
  EXPECT_FALSE(window().mouseLock().isOn());
}

TEST_F(MainWindowPointerTest, ControlsKeepTheirRightAndMiddleClicks) {
  for (int id : {kExitButton, kQuickStartButton, kTitlePicture, kTimingTrackBar, kAutoRadio}) {
    ASSERT_TRUE(x_->at(middleOf(id), "click 3"));
    ASSERT_TRUE(x_->at(middleOf(id), "click --repeat 2 --delay 80 2"));
  }
  // The group box around the radio buttons is only drawn: a middle
  // double-click inside it is the background's.
  ASSERT_TRUE(x_->at(onScreen(QPoint(35, 60)), "click --repeat 2 --delay 80 2"));
  ASSERT_TRUE(eventually([&] { return !commands_.empty(); }));
  EXPECT_EQ(commands_, std::vector<int>{kGestureMiddleDoubleClick});
  EXPECT_TRUE(window().control(kQuickStartButton)->isEnabled());  // no game began
}

TEST_F(MainWindowPointerTest, AClickOnADisabledButtonIsTheBackgroundsClick) {
  ASSERT_FALSE(window().control(kNextButton)->isEnabled());  // as after start-up
  rightClickOnBackgroundAndWait(middleOf(kNextButton));
  EXPECT_TRUE(commands_.empty());
}

TEST_F(MainWindowPointerTest, EnterPressesTheFocusedButton) {
  // Next with no game running reads nothing, so pressing it is harmless.
  window().setEnabled(kNextButton, Enablement::Enabled);
  QWidget* next = window().control(kNextButton);
  ASSERT_TRUE(eventually([&] { return next->isEnabled(); }));
  next->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(eventually([&] { return next->hasFocus(); }));
  ASSERT_TRUE(x_->xdotool("key Return"));
  ASSERT_TRUE(eventually([&] { return !commands_.empty(); }));
  EXPECT_EQ(commands_, std::vector<int>{kNextButton});
}

TEST_F(MainWindowPointerTest, TheAreaAnEnlargedWindowGainsIsBackgroundToo) {
  ASSERT_TRUE(x_->xdotool("windowsize --sync " + std::to_string(window().winId()) + " 900 700"));
  ASSERT_TRUE(eventually([&] { return window().width() == 900; }));
  const QPoint grown = onScreen(QPoint(800, 500));
  ASSERT_TRUE(x_->at(grown, "click 1"));
  ASSERT_TRUE(eventually([&] { return window().mouseLock().isHolding(); }));
  rightClickOnBackgroundAndWait(grown);
  ASSERT_TRUE(x_->at(grown, "click --repeat 2 --delay 80 2"));
  ASSERT_TRUE(eventually([&] { return !commands_.empty(); }));
  EXPECT_EQ(commands_, std::vector<int>{kGestureMiddleDoubleClick});
}

}  // namespace
}  // namespace fuda
