#pragma once
// Child controls of the selection dialogs, each made with its id and the
// dialog's font, at client coordinates.
#include <windows.h>

#include <string_view>

#include "core/screen/screen_box.h"

namespace fuda {

using ControlRect = ScreenBox;

class DialogControls {
 public:
  DialogControls(HWND parent, HFONT font) : parent_(parent), font_(font) {}

  HWND button(int id, std::string_view caption, ControlRect rect) const;
  HWND checkBox(int id, std::string_view caption, ControlRect rect) const;
  // `style` is the static text's alignment, SS_LEFT or SS_CENTER.
  HWND label(int id, std::string_view caption, DWORD style, ControlRect rect) const;

 private:
  HWND make(const wchar_t* windowClass, int id, std::string_view caption, DWORD style,
            ControlRect rect) const;

  HWND parent_;
  HFONT font_;
};

bool isChecked(HWND box);
void setChecked(HWND box, bool checked);

}  // namespace fuda
