#include "frontends/win32/third_game_window.h"

#include <string>

#include "core/cards/third_game_rules.h"
#include "core/screen/selection_dialog_layout.h"
#include "core/texts/selection_dialog_texts.h"

namespace fuda {

ThirdGameWindow::ThirdGameWindow(ToolWindow& window, CardSelection& selection,
                                 MessageSink& messages)
    : SelectionDialog(window, selection, messages, texts::kNoThirdChosenText) {
  buildControls();
  showSelection();
}

void ThirdGameWindow::buildControls() {
  const Language language = window_.language();
  const DialogControls controls = this->controls();

  for (const Third& third : thirds()) {
    controls.button(third.buttonId, pick(language, third.buttonCaption), thirdButtonBox(third));
  }
  for (const DialogButtonLayout& button : kThirdGameDialogButtons) {
    controls.button(button.id, pick(language, button.caption), button.box);
  }
  for (const Third& third : thirds()) {
    controls.label(third.labelId, pick(language, third.label), SS_LEFT, thirdLabelBox(third));
  }
  // All three boxes carry the same caption.
  const std::string caption = texts::kCheckBoxCaption + std::string("1");
  for (const Third& third : thirds()) {
    boxesByChoice_[third.choice] =
        controls.checkBox(third.boxId, caption, thirdCheckBoxBox(third));
  }
}

SelectionDialogStep ThirdGameWindow::clicked(int id) {
  // A box has already changed when its click arrives; it does what its
  // button does, and showSelection puts every box right again.
  return clickThirdGame(selection_, id);
}

void ThirdGameWindow::showSelection() {
  for (auto& [choice, box] : boxesByChoice_) setChecked(box, selection_.thirdChoice == choice);
}

void registerThirdGameWindow(ToolWindowRegistry& registry, CardSelection& selection,
                             MessageSink& messages) {
  registry.add(kThirdGameWindowName, [&selection, &messages](ToolWindow& window) {
    return std::make_unique<ThirdGameWindow>(window, selection, messages);
  });
}

}  // namespace fuda
