#include "frontends/win32/gui_thread.h"

#include <utility>

#include "frontends/win32/window_class.h"

namespace fuda {

namespace {

constexpr wchar_t kClassName[] = L"FudaGuiThreadWork";
// Posted without a payload: the work itself waits in the queue, so a message
// lost with its window leaks nothing.
constexpr UINT kRunWork = WM_APP + 1;

}  // namespace

GuiThread::GuiThread() : threadId_(GetCurrentThreadId()) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  registerWindowClass(kClassName, DefWindowProcW, 0, nullptr);
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            instance, nullptr);
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GuiThread::windowProc));
  }
}

GuiThread::~GuiThread() { close(); }

void GuiThread::post(std::function<void()> work) {
  if (!work) return;
  if (isGuiThread()) {
    bool closed;
    {
      std::lock_guard lock(mutex_);
      closed = closed_;
    }
    if (!closed) work();
    return;
  }
  std::lock_guard lock(mutex_);
  if (closed_ || window_ == nullptr) return;
  const bool wake = waiting_.empty();
  waiting_.push_back(std::move(work));
  if (wake) PostMessageW(window_, kRunWork, 0, 0);
}

void GuiThread::close() {
  HWND window;
  std::deque<std::function<void()>> dropped;
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
    dropped.swap(waiting_);
    window = std::exchange(window_, nullptr);
  }
  // The dropped work is destroyed out of the lock: what it captured may post.
  dropped.clear();
  if (window != nullptr) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }
}

void GuiThread::runWaitingWork() {
  std::deque<std::function<void()>> batch;
  {
    std::lock_guard lock(mutex_);
    batch.swap(waiting_);
  }
  // Work may close the helper (the window quits) or post more.
  while (!batch.empty()) {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return;
    }
    std::function<void()> work = std::move(batch.front());
    batch.pop_front();
    work();
  }
}

LRESULT CALLBACK GuiThread::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunWork) {
    if (auto* self = reinterpret_cast<GuiThread*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
      self->runWaitingWork();
    }
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace fuda
