#include "frontends/win32/dialog_controls.h"

#include "frontends/win32/dpi_scaling.h"
#include "frontends/win32/wide_text.h"

namespace fuda {

HWND DialogControls::button(int id, std::string_view caption, ControlRect rect) const {
  return make(L"BUTTON", id, caption, BS_PUSHBUTTON, rect);
}

HWND DialogControls::checkBox(int id, std::string_view caption, ControlRect rect) const {
  return make(L"BUTTON", id, caption, BS_AUTOCHECKBOX, rect);
}

HWND DialogControls::label(int id, std::string_view caption, DWORD style,
                           ControlRect rect) const {
  return make(L"STATIC", id, caption, style, rect);
}

HWND DialogControls::make(const wchar_t* windowClass, int id, std::string_view caption,
                          DWORD style, ControlRect rect) const {
  HWND control = CreateWindowExW(0, windowClass, toWide(caption).c_str(),
                                 WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  placeChild(control, rect);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), 0);
  return control;
}

bool isChecked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void setChecked(HWND box, bool checked) {
  SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace fuda
