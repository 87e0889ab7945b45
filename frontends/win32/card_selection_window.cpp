#include "frontends/win32/card_selection_window.h"

#include <string>

#include "core/cards/card_selection_rules.h"
#include "core/screen/selection_dialog_layout.h"
#include "core/texts/selection_dialog_texts.h"

namespace fuda {

CardSelectionWindow::CardSelectionWindow(ToolWindow& window, CardSelection& selection,
                                         MessageSink& messages)
    : SelectionDialog(window, selection, messages, texts::kNothingSelectedText) {
  buildControls();
  showSelection();
}

void CardSelectionWindow::buildControls() {
  const Language language = window_.language();
  const DialogControls controls = this->controls();

  // The poem buttons first, then their boxes, each in table order.
  for (const PoemButton& poem : poemButtons()) {
    controls.button(poem.buttonId, pick(language, poem.caption), poemButtonBox(poem));
  }
  int row = 0;
  for (const PoemButton& poem : poemButtons()) {
    const std::string caption = texts::kCheckBoxCaption + std::to_string(++row);
    boxesByPoem_[poem.poem] = controls.checkBox(poem.boxId, caption, poemBoxBox(poem));
  }
  controls.label(kSelectionTitleLabel, pick(language, texts::kSelectionTitle), SS_CENTER,
                 kSelectionTitleBox);
  for (const BlockButton& block : blockButtons()) {
    controls.button(block.id, pick(language, block.caption), blockButtonBox(block));
  }
  for (const DialogButtonLayout& button : kSelectionDialogButtons) {
    controls.button(button.id, pick(language, button.caption), button.box);
  }
}

SelectionDialogStep CardSelectionWindow::clicked(int id) {
  // A box has already changed when its click arrives.
  const PoemButton* boxed = poemButtonByBoxId(id);
  const bool boxChecked = boxed && isChecked(boxesByPoem_[boxed->poem]);
  return clickCardSelection(selection_, id, boxChecked);
}

void CardSelectionWindow::showSelection() {
  for (auto& [poem, box] : boxesByPoem_) setChecked(box, selection_.selected[poem]);
}

void registerCardSelectionWindow(ToolWindowRegistry& registry, CardSelection& selection,
                                 MessageSink& messages) {
  registry.add(kCardSelectionWindowName, [&selection, &messages](ToolWindow& window) {
    return std::make_unique<CardSelectionWindow>(window, selection, messages);
  });
}

}  // namespace fuda
