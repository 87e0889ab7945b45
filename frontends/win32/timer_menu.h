#pragma once
// The menus of both timer windows: a menu bar whose one item, a single
// blank, opens the timer popup; the same popup opens on a right click.
#include <windows.h>

#include <span>

#include "core/screen/timer_window_layout.h"
#include "core/texts/language.h"

namespace fuda {

struct TimerMenus {
  HMENU bar = nullptr;    // owns the popup: destroyed with the window it is set on
  HMENU popup = nullptr;
};

// The items in screen order, a separator between each two.
TimerMenus createTimerMenus(Language language, std::span<const TimerMenuItem> items);

}  // namespace fuda
