#pragma once
// The memotimer program's window: the countdown display and the clock hands
// above a status bar with the maker's notice, and the menu " " with start,
// +1 minute, -1 minute and exit, which also opens on a right click. It draws
// the MemotimerSession and forwards the ticks and the commands to it.
#include <windows.h>

#include <optional>

#include "core/ports/clock.h"
#include "core/countdown/announcer.h"
#include "core/texts/language.h"
#include "core/countdown/memotimer_session.h"
#include "core/countdown/timer_offsets.h"
#include "frontends/win32/timer_face.h"

namespace fuda {

class MemotimerWindow : public MemotimerFrontEnd {
 public:
  // GUI thread, like everything here: makes the window, not shown yet, and
  // starts the clock hands. The ports outlive the window.
  MemotimerWindow(Language language, Clock& clock, Announcer& announcer);
  ~MemotimerWindow() override;
  MemotimerWindow(const MemotimerWindow&) = delete;
  MemotimerWindow& operator=(const MemotimerWindow&) = delete;

  // Moves the window by `offsets` from where it first appears and shows it.
  void show(TimerOffsets offsets);

  void pauseWithoutInput(double ms) override;
  void stopTicking() override;
  // Destroys the window, which ends the message loop.
  void closeProgram() override;

  HWND hwnd() const { return hwnd_; }
  HWND statusBar() const { return statusBar_; }
  MemotimerSession& session() { return session_; }

 private:
  template <class Window>
  friend LRESULT CALLBACK windowProcOf(HWND, UINT, WPARAM, LPARAM);
  void attach(HWND hwnd) { hwnd_ = hwnd; }
  void detach() {
    hwnd_ = nullptr;
    statusBar_ = nullptr;
  }
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  Language language_;
  Clock& clock_;
  MemotimerSession session_;
  HWND hwnd_ = nullptr;
  HWND statusBar_ = nullptr;
  std::optional<TimerFace> face_;
};

}  // namespace fuda
