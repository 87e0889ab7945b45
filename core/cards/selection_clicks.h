#pragma once
// A click in either selection dialog, whole: the clicked control's rule is
// applied to the CardSelection, and the dialog learns what to do next. The
// front ends' dialogs forward every click here and only draw.
#include "core/cards/card_selection.h"

namespace fuda {

enum class SelectionDialogStep { ShowSelection, Close, ShowNothingSelected };

// A click on control `id` of the card selection dialog. `boxChecked` is the
// state a clicked check box already shows; other controls ignore it.
SelectionDialogStep clickCardSelection(CardSelection& selection, int id, bool boxChecked);
// A click on control `id` of the one-third game dialog; a check box does
// what the button beside it does.
SelectionDialogStep clickThirdGame(CardSelection& selection, int id);

}  // namespace fuda
