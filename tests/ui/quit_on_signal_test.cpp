#include "frontends/qt/quit_on_signal.h"

#include <signal.h>

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "tests/ui/ui_test_environment.h"
#include "tests/support/poll_until.h"

namespace fuda {
namespace {

void (*handlerOf(int signal))(int) {
  struct sigaction now {};
  sigaction(signal, nullptr, &now);
  return now.sa_handler;
}

bool processUntil(const std::function<bool()>& done) {
  return testing::pollUntil(done, std::chrono::seconds(5),
                            [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
}

TEST(QuitOnSignal, ASignalFromAnyThreadQuitsOnceOnTheGuiThread) {
  testing::uiApplication();
  int quits = 0;
  QThread* quitThread = nullptr;
  {
    QuitOnSignal quitOnSignal([&] {
      ++quits;
      quitThread = QThread::currentThread();
    });
    ASSERT_TRUE(quitOnSignal.isActive());
    // Delivered to a worker thread, as the kernel may choose.
    std::thread([] { kill(getpid(), SIGTERM); }).join();
    ASSERT_TRUE(processUntil([&] { return quits == 1; }));
    EXPECT_EQ(quitThread, QCoreApplication::instance()->thread());
    // A second signal now would end the process at once.
    EXPECT_EQ(handlerOf(SIGTERM), SIG_DFL);
    EXPECT_EQ(handlerOf(SIGINT), SIG_DFL);
    QCoreApplication::processEvents();
    EXPECT_EQ(quits, 1);
  }
  EXPECT_EQ(handlerOf(SIGHUP), SIG_DFL);
}

TEST(QuitOnSignal, ASignalIgnoredAtTheStartStaysIgnored) {
  testing::uiApplication();
  signal(SIGHUP, SIG_IGN);
  int quits = 0;
  {
    QuitOnSignal quitOnSignal([&] { ++quits; });
    EXPECT_EQ(handlerOf(SIGHUP), SIG_IGN);
    EXPECT_NE(handlerOf(SIGINT), SIG_DFL);
    raise(SIGHUP);
    QCoreApplication::processEvents();
    EXPECT_EQ(quits, 0);
  }
  // Left as the user who started us set it.
  EXPECT_EQ(handlerOf(SIGHUP), SIG_IGN);
  EXPECT_EQ(handlerOf(SIGINT), SIG_DFL);
  signal(SIGHUP, SIG_DFL);
}

}  // namespace
}  // namespace fuda
