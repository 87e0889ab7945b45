#include "frontends/win32/win32_message_sink.h"

#include <string_view>

#include "frontends/win32/wide_text.h"

namespace fuda {

namespace {

// The sink whose box the calling thread is opening, for the hook that
// learns the box's window.
thread_local Win32MessageSink* openingSink = nullptr;
thread_local HHOOK openingHook = nullptr;

constexpr DWORD kShutdownWaitMs = 2000;

void dismiss(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

}  // namespace

LRESULT CALLBACK Win32MessageSink::boxCreated(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && openingSink) {
    // Only the box: other windows of the thread may be activated meanwhile.
    const HWND window = reinterpret_cast<HWND>(wParam);
    wchar_t windowClass[16] = {};
    GetClassNameW(window, windowClass, 16);
    if (std::wstring_view(windowClass) == L"#32770") openingSink->opened(window);
  }
  return CallNextHookEx(openingHook, code, wParam, lParam);
}

void Win32MessageSink::opened(HWND box) {
  std::lock_guard lock(mutex_);
  boxes_.insert(box);
  // Opened while shutdown was dismissing the others.
  if (shutDown_) dismiss(box);
}

void Win32MessageSink::showMessage(std::string_view caption, std::string_view text,
                                   MessageOwner owner) {
  {
    std::lock_guard lock(mutex_);
    if (shutDown_) return;
    ++showing_;
  }
  const std::wstring wideCaption = toWide(caption);
  const std::wstring wideBody = toWide(text);
  Win32MessageSink* outerSink = openingSink;
  HHOOK outerHook = openingHook;
  openingSink = this;
  openingHook = SetWindowsHookExW(WH_CBT, &Win32MessageSink::boxCreated, nullptr,
                                  GetCurrentThreadId());
  const HWND ownerWindow = owner == MessageOwner::MainWindow ? ownerWindow_.load() : nullptr;
  MessageBoxW(ownerWindow && IsWindow(ownerWindow) ? ownerWindow : nullptr, wideBody.c_str(),
              wideCaption.c_str(), MB_OK);
  if (openingHook) UnhookWindowsHookEx(openingHook);
  openingSink = outerSink;
  openingHook = outerHook;
  leave();
}

void Win32MessageSink::leave() {
  std::lock_guard lock(mutex_);
  --showing_;
  // The box window is gone; a later one may reuse its handle.
  for (auto it = boxes_.begin(); it != boxes_.end();) {
    it = IsWindow(*it) ? std::next(it) : boxes_.erase(it);
  }
}

void Win32MessageSink::shutdown() {
  {
    std::lock_guard lock(mutex_);
    shutDown_ = true;
    for (HWND box : boxes_) dismiss(box);
  }
  // A worker's box over our window enables that window again on its way out,
  // which waits for this thread: messages sent to it are handled meanwhile.
  const ULONGLONG end = GetTickCount64() + kShutdownWaitMs;
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      if (showing_ == 0) return;
      for (HWND box : boxes_) dismiss(box);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace fuda
