#include "frontends/win32/window_fonts.h"

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

HFONT createFont(const Face& face, int pixelHeight, int weight, Slant slant = Slant::Upright) {
  // A negative height asks for the character height, not the cell height.
  return CreateFontW(-pixelHeight, 0, 0, 0, weight, slant == Slant::Italic, FALSE, FALSE,
                     face.charset, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY,
                     face.pitchAndFamily, face.name);
}

}  // namespace

HFONT createControlFont(Language language) {
  return language == Language::Japanese ? createFont(kProportionalGothic, 12, FW_NORMAL)
                                        : createFont(kSerif, 12, FW_NORMAL);
}

HFONT createCountdownFont(Language language) {
  return language == Language::Japanese ? createFont(kGothic, 96, FW_BOLD, Slant::Italic)
                                        : createFont(kSerif, 96, FW_BOLD, Slant::Italic);
}

HFONT createSelectionFont(Language language) {
  return language == Language::Japanese ? createFont(kProportionalGothic, 12, FW_NORMAL)
                                        : createFont(kSerif, 11, FW_NORMAL);
}

HFONT createThirdGameFont(Language language) { return createSelectionFont(language); }

}  // namespace fuda
