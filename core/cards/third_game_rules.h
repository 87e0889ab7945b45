#pragma once
// The one-third game dialog without its widgets: the three fixed thirds of
// the hundred cards, and what each control does to the CardSelection. The
// dialog's three check boxes show `thirdChoice` and nothing else.
#include <span>

#include "core/texts/language.h"
#include "core/cards/card_selection.h"

namespace fuda {

enum ThirdGameControlId : int {
  kThirdOkButton = 1006,
  kThirdCancelButton = 1016,
};

// One third: its button, the label naming its first kana, the check box on
// its left, and its cards.
struct Third {
  std::int16_t choice;  // the thirdChoice value, 1..3
  int buttonId;
  int labelId;
  int boxId;
  int y;  // of the button; the label and the box line up with it
  LocalText buttonCaption;
  LocalText label;
  std::span<const std::int16_t> poems;
};

// A, B, C.
std::span<const Third> thirds();
const Third* thirdByButtonId(int id);
const Third* thirdByBoxId(int id);

// Choosing a third drops any earlier choice of cards from either dialog and
// selects the third's cards with the preface poem; choosing the chosen third
// again leaves no third and no card chosen. A click on a check box does the
// same as its button.
void chooseThird(CardSelection& selection, const Third& third);

enum class ThirdOkOutcome { Close, ShowNoThirdChosen };
// OK: the chosen cards come into force, opened by the whole preface poem.
// With no card chosen nothing changes and the dialog stays open.
ThirdOkOutcome confirmThird(CardSelection& selection);
// CANCEL: no third and no selection; all 100 cards play.
void cancelThird(CardSelection& selection);

}  // namespace fuda
