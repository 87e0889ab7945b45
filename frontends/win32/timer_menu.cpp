#include "frontends/win32/timer_menu.h"

#include "core/texts/timer_texts.h"
#include "frontends/win32/wide_text.h"

namespace fuda {

TimerMenus createTimerMenus(Language language, std::span<const TimerMenuItem> items) {
  TimerMenus menus{CreateMenu(), CreatePopupMenu()};
  bool first = true;
  for (const TimerMenuItem& item : items) {
    if (!first) AppendMenuW(menus.popup, MF_SEPARATOR, 0, nullptr);
    first = false;
    AppendMenuW(menus.popup, MF_STRING, static_cast<UINT_PTR>(item.id),
                toWide(pick(language, item.caption)).c_str());
  }
  AppendMenuW(menus.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menus.popup),
              toWide(pick(language, texts::kTimerMenuTitle)).c_str());
  return menus;
}

}  // namespace fuda
