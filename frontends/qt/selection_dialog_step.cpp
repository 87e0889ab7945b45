#include "frontends/qt/selection_dialog_step.h"

#include "core/texts/selection_dialog_texts.h"

namespace fuda {

bool followSelectionStep(SelectionDialogStep step, ToolWindow& window, MessageSink& messages,
                         LocalText nothingSelectedText) {
  if (step == SelectionDialogStep::Close) {
    closeToolWindow(window, 0);
    return false;
  }
  if (step == SelectionDialogStep::ShowNothingSelected) {
    const Language language = window.language();
    messages.showMessage(pick(language, texts::kNothingSelectedCaption),
                         pick(language, nothingSelectedText), MessageOwner::None);
  }
  return true;
}

}  // namespace fuda
