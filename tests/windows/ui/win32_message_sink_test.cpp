#include "frontends/win32/win32_message_sink.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace fuda {
namespace {

// Whether the thread `threadId` has a window: a message box open on it.
bool hasWindow(DWORD threadId) {
  bool found = false;
  EnumThreadWindows(
      threadId,
      [](HWND, LPARAM result) {
        *reinterpret_cast<bool*>(result) = true;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Closes every window of the thread `threadId`.
void closeWindows(DWORD threadId) {
  EnumThreadWindows(
      threadId,
      [](HWND window, LPARAM) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return TRUE;
      },
      0);
}

TEST(Win32MessageSink, ShutdownDismissesABoxSoItsThreadGoesOn) {
  Win32MessageSink sink;
  std::atomic<bool> returned{false};
  std::atomic<DWORD> workerId{0};
  std::thread worker([&] {
    workerId = GetCurrentThreadId();
    sink.showMessage("caption", "text", MessageOwner::None);
    returned = true;
  });
  const ULONGLONG end = GetTickCount64() + 10000;
  bool open = false;
  while (!open && GetTickCount64() < end) {
    open = workerId.load() != 0 && hasWindow(workerId.load());
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
  std::atomic<bool> returned{false};
  std::atomic<DWORD> workerId{0};
  std::thread worker([&] {
    workerId = GetCurrentThreadId();
    sink.showMessage("caption", "text", MessageOwner::None);
    returned = true;
  });
  const ULONGLONG end = GetTickCount64() + 2000;
  bool boxShown = false;
  while (!returned && GetTickCount64() < end) {
    boxShown = boxShown || (workerId.load() != 0 && hasWindow(workerId.load()));
    Sleep(10);
  }
  const bool returnedInTime = returned;
  // A box that did open is closed, so the test ends either way.
  while (!returned) {
    closeWindows(workerId.load());
    Sleep(10);
  }
  worker.join();
  EXPECT_TRUE(returnedInTime);
  EXPECT_FALSE(boxShown);
}

}  // namespace
}  // namespace fuda
