#include "frontends/win32/main_menu_bar.h"

#include "core/screen/main_menu_layout.h"
#include "frontends/win32/wide_text.h"

namespace fuda {

HMENU createMainMenuBar(Language language) {
  HMENU bar = CreateMenu();
  for (const MenuLayout& menu : kMainMenuBar) {
    HMENU popup = CreatePopupMenu();
    for (const MenuItemLayout& item : menu.items) {
      if (item.id == 0) {
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      } else {
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.id),
                    toWide(pick(language, item.caption)).c_str());
      }
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                toWide(pick(language, menu.title)).c_str());
  }
  return bar;
}

}  // namespace fuda
