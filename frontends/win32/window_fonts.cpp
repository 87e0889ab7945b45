#include "frontends/win32/window_fonts.h"

#include "frontends/win32/dpi_scaling.h"

namespace fuda {

namespace {

enum class Slant { Upright, Italic };

struct Face {
  const wchar_t* name;
  BYTE charset;
  BYTE pitchAndFamily;
};

// Proportional gothic for the Japanese controls, fixed gothic for the
// countdown digits, Times New Roman for every English text.
constexpr Face kProportionalGothic{L"ＭＳ Ｐゴシック", SHIFTJIS_CHARSET, FF_SWISS | DEFAULT_PITCH};
constexpr Face kGothic{L"ＭＳ ゴシック", SHIFTJIS_CHARSET, FF_MODERN | FIXED_PITCH};
constexpr Face kSerif{L"Times New Roman", ANSI_CHARSET, FF_ROMAN | VARIABLE_PITCH};

HFONT createFont(const Face& face, int layoutHeight, UINT dpi, int weight,
                 Slant slant = Slant::Upright) {
  // A negative height asks for the character height, not the cell height.
  return CreateFontW(-scaledForDpi(layoutHeight, dpi), 0, 0, 0, weight, slant == Slant::Italic, FALSE, FALSE,
                     face.charset, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY,
                     face.pitchAndFamily, face.name);
}

}  // namespace

HFONT createControlFont(Language language, UINT dpi) {
  return language == Language::Japanese ? createFont(kProportionalGothic, 12, dpi, FW_NORMAL)
                                        : createFont(kSerif, 12, dpi, FW_NORMAL);
}

HFONT createCountdownFont(Language language, UINT dpi) {
  return language == Language::Japanese ? createFont(kGothic, 96, dpi, FW_BOLD, Slant::Italic)
                                        : createFont(kSerif, 96, dpi, FW_BOLD, Slant::Italic);
}

HFONT createSelectionFont(Language language, UINT dpi) {
  return language == Language::Japanese ? createFont(kProportionalGothic, 12, dpi, FW_NORMAL)
                                        : createFont(kSerif, 11, dpi, FW_NORMAL);
}

HFONT createThirdGameFont(Language language, UINT dpi) {
  return createSelectionFont(language, dpi);
}

void OwnedFont::rescale(HWND window, UINT dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  HFONT font = make_(language_, dpi);
  rescaleChildren(window, font_, font);
  if (font_) DeleteObject(font_);
  font_ = font;
}

}  // namespace fuda
