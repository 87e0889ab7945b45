#include "core/cards/selection_clicks.h"

#include "core/cards/card_selection_rules.h"
#include "core/cards/third_game_rules.h"

namespace fuda {

SelectionDialogStep clickCardSelection(CardSelection& selection, int id, bool boxChecked) {
  if (const PoemButton* poem = poemButtonById(id)) {
    flipCard(selection, poem->poem);
  } else if (const PoemButton* boxed = poemButtonByBoxId(id)) {
    setCardFromBox(selection, boxed->poem, boxChecked);
  } else if (const BlockButton* block = blockButtonById(id)) {
    flipBlock(selection, *block);
  } else if (id == kSelectionOkButton) {
    return confirmSelection(selection) == OkOutcome::Close
               ? SelectionDialogStep::Close
               : SelectionDialogStep::ShowNothingSelected;
  } else if (id == kSelectionCancelButton) {
    cancelSelection(selection);
    return SelectionDialogStep::Close;
  }
  return SelectionDialogStep::ShowSelection;
}

SelectionDialogStep clickThirdGame(CardSelection& selection, int id) {
  const Third* third = thirdByButtonId(id);
  if (!third) third = thirdByBoxId(id);
  if (third) {
    chooseThird(selection, *third);
  } else if (id == kThirdOkButton) {
    return confirmThird(selection) == ThirdOkOutcome::Close
               ? SelectionDialogStep::Close
               : SelectionDialogStep::ShowNothingSelected;
  } else if (id == kThirdCancelButton) {
    cancelThird(selection);
    return SelectionDialogStep::Close;
  }
  return SelectionDialogStep::ShowSelection;
}

}  // namespace fuda
