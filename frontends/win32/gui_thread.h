#pragma once
// The one way onto the GUI thread. Work posted from any thread runs on the
// thread that built the GuiThread, inside whatever message loop it is in
// (the main loop, a tool window's loop, a message box); on that thread it
// runs at once. Once closed, work is dropped.
#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

namespace fuda {

class GuiThread {
 public:
  // GUI thread: makes the hidden message-only window that receives the work.
  GuiThread();
  // GUI thread.
  ~GuiThread();
  GuiThread(const GuiThread&) = delete;
  GuiThread& operator=(const GuiThread&) = delete;

  // Any thread.
  void post(std::function<void()> work);
  bool isGuiThread() const { return GetCurrentThreadId() == threadId_; }
  // GUI thread: drops the work still waiting and every later post; the
  // hidden window goes.
  void close();

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void runWaitingWork();

  const DWORD threadId_;
  HWND window_ = nullptr;
  std::mutex mutex_;
  std::deque<std::function<void()>> waiting_;
  bool closed_ = false;
};

}  // namespace fuda
