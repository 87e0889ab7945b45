// The system's requests to end reach the GUI thread as a call, not as the
// abrupt end that would leave the private temporary directory behind.
#include "common/ui/quit_signals.h"

#include <signal.h>

#include <gtest/gtest.h>

#include "tests/ui/eventually.h"
#include "tests/ui/ui_test_environment.h"

namespace fuda {
namespace {

TEST(QuitSignals, TermHangUpAndInterruptEachCallBackOnTheGuiThread) {
  int calls = 0;
  QuitSignals quitSignals([&calls] { ++calls; });
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    const int before = calls;
    ::raise(signal);
    EXPECT_TRUE(testing::eventually([&] { return calls == before + 1; })) << signal;
  }
}

}  // namespace
}  // namespace fuda
