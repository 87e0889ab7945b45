#include "frontends/win32/third_game_window.h"

#include <string>

#include "core/cards/third_game_rules.h"
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
    controls.button(third.buttonId, pick(language, third.buttonCaption), {50, third.y, 120, 50});
  }
  controls.button(kThirdOkButton, pick(language, texts::kDialogOkButton), {210, 280, 100, 30});
  controls.button(kThirdCancelButton, pick(language, texts::kDialogCancelButton),
                  {340, 280, 100, 30});
  for (const Third& third : thirds()) {
    controls.label(third.labelId, pick(language, third.label), SS_LEFT,
                   {200, third.y + 10, 240, 30});
  }
  // All three boxes carry the same caption.
  const std::string caption = texts::kCheckBoxCaption + std::string("1");
  for (const Third& third : thirds()) {
    boxesByChoice_[third.choice] =
        controls.checkBox(third.boxId, caption, {25, third.y + 15, 15, 15});
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
