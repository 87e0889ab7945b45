#include "frontends/win32/win32_message_sink.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace fuda {
namespace {

TEST(Win32MessageSink, ShutdownDismissesABoxSoItsThreadGoesOn) {
  Win32MessageSink sink;
  std::atomic<bool> returned{false};
  std::atomic<DWORD> workerId{0};
  std::thread worker([&] {
    workerId = GetCurrentThreadId();
    sink.showMessage("caption", "text", MessageOwner::None);
    returned = true;
  });
  // The box is open once the worker's thread has a window.
  const ULONGLONG end = GetTickCount64() + 10000;
  auto hasWindow = [](HWND, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  };
  bool open = false;
  while (!open && GetTickCount64() < end) {
    EnumThreadWindows(workerId.load(), hasWindow, reinterpret_cast<LPARAM>(&open));
    Sleep(10);
  }
  ASSERT_TRUE(open);
  sink.shutdown();
  worker.join();
  EXPECT_TRUE(returned);
}

TEST(Win32MessageSink, AfterShutdownAMessageReturnsAtOnce) {
  Win32MessageSink sink;
  sink.shutdown();
  sink.showMessage("caption", "text");
  SUCCEED();
}

}  // namespace
}  // namespace fuda
