#pragma once
// Where the selection dialogs' controls stand, in client pixels. The poem
// buttons, their boxes and the block buttons come from the card selection's
// own tables (core/cards/card_selection_rules.h); this adds the rest of
// either dialog, so that every front end builds them alike.
#include "core/cards/card_selection_rules.h"
#include "core/cards/third_game_rules.h"
#include "core/screen/screen_box.h"
#include "core/texts/language.h"
#include "core/texts/selection_dialog_texts.h"

namespace fuda {

struct DialogButtonLayout {
  int id;
  LocalText caption;
  ScreenBox box;
};

constexpr ScreenBox poemButtonBox(const PoemButton& poem) {
  return {poemButtonX(poem), poem.y, kPoemButtonWidth, kPoemButtonHeight};
}
constexpr ScreenBox poemBoxBox(const PoemButton& poem) {
  return {poemBoxX(poem), poemBoxY(poem), kPoemBoxWidth, kPoemBoxHeight};
}
constexpr ScreenBox blockButtonBox(const BlockButton& block) {
  return {block.x, kBlockButtonY, kBlockButtonWidth, kBlockButtonHeight};
}
// The title above the columns, centred.
inline constexpr ScreenBox kSelectionTitleBox{260, 7, 287, 16};
inline constexpr DialogButtonLayout kSelectionDialogButtons[] = {
    {kSelectionOkButton, texts::kDialogOkButton, {500, 525, 100, 30}},
    {kSelectionCancelButton, texts::kDialogCancelButton, {630, 525, 100, 30}},
};

// One third's row: its button, the label naming its kana to the right, the
// check box at the far left.
constexpr ScreenBox thirdButtonBox(const Third& third) { return {50, third.y, 120, 50}; }
constexpr ScreenBox thirdLabelBox(const Third& third) { return {200, third.y + 10, 240, 30}; }
constexpr ScreenBox thirdCheckBoxBox(const Third& third) { return {25, third.y + 15, 15, 15}; }
inline constexpr DialogButtonLayout kThirdGameDialogButtons[] = {
    {kThirdOkButton, texts::kDialogOkButton, {210, 280, 100, 30}},
    {kThirdCancelButton, texts::kDialogCancelButton, {340, 280, 100, 30}},
};

}  // namespace fuda
