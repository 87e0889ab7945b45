#pragma once
// What both Qt selection dialogs do with the step their click gave: close
// the window, or tell the user that nothing is chosen.
#include "core/texts/language.h"
#include "core/ports/message_sink.h"
#include "core/cards/selection_clicks.h"
#include "frontends/qt/tool_window.h"

namespace fuda {

// GUI thread. True while the dialog stays open: its boxes are to be shown
// again.
bool followSelectionStep(SelectionDialogStep step, ToolWindow& window, MessageSink& messages,
                         LocalText nothingSelectedText);

}  // namespace fuda
