#pragma once
// What both Qt selection dialogs do with the step their click gave: close
// the window, or tell the user that nothing is chosen.
#include "common/language.h"
#include "common/message_sink.h"
#include "reader/cards/selection_clicks.h"
#include "reader/frame/tool_window.h"

namespace fuda {

// GUI thread. True while the dialog stays open: its boxes are to be shown
// again.
bool followSelectionStep(SelectionDialogStep step, ToolWindow& window, MessageSink& messages,
                         LocalText nothingSelectedText);

}  // namespace fuda
