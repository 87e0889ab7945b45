#pragma once
// The fonts of the Windows programs, one per use, in each language's faces.
// The caller owns the font and deletes it with DeleteObject.
#include <windows.h>

#include "core/texts/language.h"

namespace fuda {

HFONT createControlFont(Language language);    // every control of the main window
HFONT createCountdownFont(Language language);  // the memorisation countdown
HFONT createSelectionFont(Language language);  // the card selection window
HFONT createThirdGameFont(Language language);  // the one-third game window

// Deletes the font when it goes.
class OwnedFont {
 public:
  explicit OwnedFont(HFONT font) : font_(font) {}
  ~OwnedFont() {
    if (font_) DeleteObject(font_);
  }
  OwnedFont(const OwnedFont&) = delete;
  OwnedFont& operator=(const OwnedFont&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_;
};

}  // namespace fuda
