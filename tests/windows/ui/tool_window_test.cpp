#include "frontends/win32/tool_window.h"

#include <gtest/gtest.h>

namespace fuda {
namespace {

// Leaves every message to the window's defaults, which are what is tested;
// notes whether the owner was disabled when the close box came.
class EmptyContent : public ToolWindowContent {
 public:
  EmptyContent(HWND owner, bool& ownerEnabled) : owner_(owner), ownerEnabled_(ownerEnabled) {}
  std::optional<LRESULT> handle(UINT message, WPARAM, LPARAM) override {
    if (message == WM_CLOSE) ownerEnabled_ = IsWindowEnabled(owner_);
    return std::nullopt;
  }

 private:
  HWND owner_;
  bool& ownerEnabled_;
};

class ToolWindowTest : public ::testing::Test {
 protected:
  ToolWindowTest()
      : owner_(CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr)) {}
  ~ToolWindowTest() override { DestroyWindow(owner_); }

  // The builder runs inside showToolWindow: what it posts arrives in the
  // nested loop.
  void registerPosting(std::function<void(HWND)> post) {
    registry_.add(kCardSelectionWindowName, [this, post](ToolWindow& window) {
      post(window.hwnd());
      return std::make_unique<EmptyContent>(owner_, ownerEnabledAtClose_);
    });
  }

  HWND owner_;
  ToolWindowRegistry registry_{Language::English};
  bool ownerEnabledAtClose_ = true;
};

TEST_F(ToolWindowTest, AnUnknownNameOpensNothing) {
  registerPosting([](HWND) { FAIL() << "built"; });
  EXPECT_EQ(showToolWindow(owner_, "cselect", registry_), 0);
  EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(ToolWindowTest, TheCloseBoxEndsTheLoopAndEnablesTheOwnerAgain) {
  HWND opened = nullptr;
  registerPosting([&](HWND window) {
    opened = window;
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(showToolWindow(owner_, kCardSelectionWindowName, registry_), 0);
  EXPECT_FALSE(ownerEnabledAtClose_);
  EXPECT_FALSE(IsWindow(opened));
  EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(ToolWindowTest, AQuitMessageEndsTheLoopAndIsPostedAgain) {
  HWND opened = nullptr;
  registerPosting([&](HWND window) {
    opened = window;
    PostQuitMessage(7);
  });
  showToolWindow(owner_, kCardSelectionWindowName, registry_);
  EXPECT_FALSE(IsWindow(opened));
  EXPECT_TRUE(IsWindowEnabled(owner_));
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
}  // namespace fuda
