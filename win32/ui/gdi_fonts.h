#pragma once
// The fonts of the tool windows and of both timer windows, by the faces
// Windows has; each caller owns the font it is given and deletes it.
#include <windows.h>

#include "common/language.h"

namespace fuda {

// The countdown display: 96 px, bold italic.
HFONT createCountdownFont(Language language);
// The card selection and one-third game dialogs.
HFONT createSelectionFont(Language language);

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
