#pragma once
// The client area shared by both timer windows: the countdown display with
// the countdown font, the three clock hands drawn behind it (painted through
// a bitmap, so the face never flickers as they move), the 10 ms tick that
// drives the countdown, and the timer popup on a right click anywhere on it
// (the display lets clicks through, as a static text does). It is a child
// window covering its parent's whole client area; the popup's commands go to
// the top-level window as WM_COMMAND, as its menu bar's do.
#include <windows.h>

#include <functional>
#include <string_view>

#include "core/ports/clock.h"
#include "core/countdown/clock_hands.h"
#include "core/texts/language.h"
#include "core/ports/timer_face_view.h"
#include "frontends/win32/window_fonts.h"

namespace fuda {

class TimerFace : public TimerFaceView {
 public:
  // GUI thread, like everything here. `displayId` is the display's control
  // id. The windows go with `parent`.
  TimerFace(HWND parent, Language language, int displayId, ClockArea area);
  ~TimerFace() override;
  TimerFace(const TimerFace&) = delete;
  TimerFace& operator=(const TimerFace&) = delete;

  void showCountdownText(std::string_view text) override;
  void showHands(const LocalTime& time) override;

  // Opened at the pointer on a right button press.
  void setPopup(HMENU popup) { popup_ = popup; }
  // `tick` about every kCountdownTickMs from now on.
  void startTicking(std::function<void()> tick);
  void stopTicking();
  // Covers the parent's client area again, in the font for its DPI now: the
  // parent has been resized, or moved to a monitor with another DPI.
  void fitParent();
  // Paints what is due at once, as when the thread is about to be busy.
  void paintNow();

  HWND hwnd() const { return hwnd_; }
  HWND display() const { return display_; }

 private:
  template <class Window>
  friend LRESULT CALLBACK windowProcOf(HWND, UINT, WPARAM, LPARAM);
  void attach(HWND hwnd) { hwnd_ = hwnd; }
  void detach() {
    hwnd_ = nullptr;
    display_ = nullptr;
  }
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();

  ClockArea area_;
  OwnedFont font_;
  HWND hwnd_ = nullptr;
  HWND display_ = nullptr;
  HMENU popup_ = nullptr;
  LocalTime handsTime_{};
  std::function<void()> tick_;
};

}  // namespace fuda
