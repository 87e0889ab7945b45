#pragma once
// The fonts of the Windows programs, one per use, in each language's faces,
// at the size for a window at `dpi`. The caller owns the font and deletes it
// with DeleteObject.
#include <windows.h>

#include "core/texts/language.h"

namespace fuda {

HFONT createControlFont(Language language, UINT dpi);    // every control of the main window
HFONT createCountdownFont(Language language, UINT dpi);  // the memorisation countdown
HFONT createSelectionFont(Language language, UINT dpi);  // the card selection window
HFONT createThirdGameFont(Language language, UINT dpi);  // the one-third game window

using FontMaker = HFONT (*)(Language language, UINT dpi);

// One use's font for the windows of one DPI; deletes it when it goes.
class OwnedFont {
 public:
  OwnedFont(FontMaker make, Language language, UINT dpi)
      : make_(make), language_(language), dpi_(dpi), font_(make(language, dpi)) {}
  ~OwnedFont() {
    if (font_) DeleteObject(font_);
  }
  OwnedFont(const OwnedFont&) = delete;
  OwnedFont& operator=(const OwnedFont&) = delete;
  HFONT get() const { return font_; }

  // The window moved to a monitor with another DPI: the font is made anew
  // for it, and every child of `window` is placed again and given it. At
  // the DPI the font has, nothing changes.
  void rescale(HWND window, UINT dpi);

 private:
  FontMaker make_;
  Language language_;
  UINT dpi_;
  HFONT font_;
};

}  // namespace fuda
