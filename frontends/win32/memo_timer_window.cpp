#include "frontends/win32/memo_timer_window.h"

#include "core/screen/control_ids.h"
#include "core/screen/timer_window_layout.h"
#include "core/texts/timer_texts.h"
#include "frontends/win32/timer_menu.h"
#include "frontends/win32/window_placement.h"

namespace fuda {

MemoTimerWindow::MemoTimerWindow(ToolWindow& window, CountdownRun& run, TimerOffsets offsets)
    : window_(window), run_(run) {
  const Language language = window.language();
  const TimerMenus menus = createTimerMenus(language, kReaderTimerMenu);
  // The menu bar first: the face covers the client area that is left.
  SetMenu(window.hwnd(), menus.bar);
  face_.emplace(window.hwnd(), language, kTimerDisplay, ClockArea::WholeClient);
  face_->setPopup(menus.popup);
  if (window.owner()) {
    placeWindowAt(window.hwnd(), cornerPlus(window.owner(), offsets.x, offsets.y));
  }
  run_.begin(*face_);
  face_->startTicking([this] { act(run_.tick()); });
}

std::optional<LRESULT> MemoTimerWindow::handle(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_COMMAND:
      if (const auto command = timerCommandFor(kReaderTimerMenu, LOWORD(wParam))) {
        act(run_.dispatchCommand(*command));
      }
      return 0;
    case WM_CLOSE:
      act(run_.closeBox());
      return 0;
    case WM_SIZE:
      // Resized for another DPI (or the menu bar attached before the face).
      if (face_) face_->fitParent();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void MemoTimerWindow::act(TimerWindowAction action) {
  if (action != TimerWindowAction::Close) return;
  face_->stopTicking();
  closeToolWindow(window_, 0);
}

void registerMemoTimerWindow(ToolWindowRegistry& registry, MemoTimer& timer) {
  registry.add(kTimerWindowName, [&timer](ToolWindow& window) -> std::unique_ptr<ToolWindowContent> {
    CountdownRun* run = timer.current();
    // No countdown to show: the window goes at once.
    if (!run) {
      closeToolWindow(window, 0);
      return nullptr;
    }
    return std::make_unique<MemoTimerWindow>(window, *run, timer.offsets());
  });
}

}  // namespace fuda
