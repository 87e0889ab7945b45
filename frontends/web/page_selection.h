#pragma once
// The two selection dialogs for the page, as JSON: their controls from the
// core's layout tables, and the flags their boxes show.
#include <string>
#include <string_view>

#include "core/cards/card_selection.h"
#include "core/cards/selection_clicks.h"
#include "core/texts/language.h"

namespace fuda {

// Any thread: {"poems": [{"poem", "column", "caption", "buttonId", "boxId"}],
// "blocks": [{"id", "caption"}], "okId", "cancelId", "thirds": [{"choice",
// "caption", "label", "buttonId", "boxId"}], "thirdOkId", "thirdCancelId"}.
std::string selectionLayoutJson(Language language);

// Core thread: {"selected": [0 or 1 by poem, from 0], "thirdChoice"}, and
// "step" when given (see stepName).
std::string selectionStateJson(const CardSelection& selection, std::string_view step = {});

// "ShowSelection", "Close" or "ShowNothingSelected".
std::string_view stepName(SelectionDialogStep step);

}  // namespace fuda
