#include "frontends/win32/gui_thread.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace fuda {
namespace {

// Dispatches what is waiting in this thread's queue, as any message loop does.
void pumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST(GuiThread, WorkFromAnotherThreadRunsOnTheGuiThreadWhenItsLoopTurns) {
  GuiThread gui;
  DWORD ranOn = 0;
  std::thread worker([&] { gui.post([&] { ranOn = GetCurrentThreadId(); }); });
  worker.join();
  EXPECT_EQ(ranOn, 0u);
  pumpMessages();
  EXPECT_EQ(ranOn, GetCurrentThreadId());
}

TEST(GuiThread, OnceClosedWaitingAndLaterWorkIsDroppedAndFreed) {
  GuiThread gui;
  auto token = std::make_shared<int>(0);
  std::thread worker([&, captured = token] {
    gui.post([captured] { ++*captured; });
  });
  worker.join();
  gui.close();
  std::thread late([&, captured = token] { gui.post([captured] { ++*captured; }); });
  late.join();
  gui.post([token] { ++*token; });
  pumpMessages();
  EXPECT_EQ(*token, 0);
  EXPECT_EQ(token.use_count(), 1);
}

}  // namespace
}  // namespace fuda
