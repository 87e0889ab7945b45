#include "win32/ui/gdi_fonts.h"

namespace fuda {

namespace {

constexpr const wchar_t* kGothic = L"ＭＳ ゴシック";
constexpr const wchar_t* kProportionalGothic = L"ＭＳ Ｐゴシック";
constexpr const wchar_t* kSerif = L"Times New Roman";

}  // namespace

HFONT createCountdownFont(Language language) {
  const bool japanese = language == Language::Japanese;
  // Stroke precision and draft quality: the display is redrawn every second
  // and must not wait for hinting.
  return CreateFontW(-96, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE,
                     japanese ? SHIFTJIS_CHARSET : ANSI_CHARSET, OUT_STROKE_PRECIS,
                     CLIP_STROKE_PRECIS, DRAFT_QUALITY,
                     japanese ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_ROMAN,
                     japanese ? kGothic : kSerif);
}

HFONT createSelectionFont(Language language) {
  const bool japanese = language == Language::Japanese;
  return CreateFontW(japanese ? -12 : -11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                     japanese ? SHIFTJIS_CHARSET : ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     japanese ? kProportionalGothic : kSerif);
}

}  // namespace fuda
