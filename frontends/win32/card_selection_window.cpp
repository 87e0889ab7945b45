#include "frontends/win32/card_selection_window.h"

#include <string>

#include "core/cards/card_selection_rules.h"
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
    controls.button(poem.buttonId, pick(language, poem.caption),
                    {poemButtonX(poem), poem.y, kPoemButtonWidth, kPoemButtonHeight});
  }
  int row = 0;
  for (const PoemButton& poem : poemButtons()) {
    const std::string caption = texts::kCheckBoxCaption + std::to_string(++row);
    boxesByPoem_[poem.poem] = controls.checkBox(
        poem.boxId, caption, {poemBoxX(poem), poemBoxY(poem), kPoemBoxWidth, kPoemBoxHeight});
  }
  controls.label(kSelectionTitleLabel, pick(language, texts::kSelectionTitle), SS_CENTER,
                 {260, 7, 287, 16});
  for (const BlockButton& block : blockButtons()) {
    controls.button(block.id, pick(language, block.caption),
                    {block.x, kBlockButtonY, kBlockButtonWidth, kBlockButtonHeight});
  }
  controls.button(kSelectionOkButton, pick(language, texts::kDialogOkButton), {500, 525, 100, 30});
  controls.button(kSelectionCancelButton, pick(language, texts::kDialogCancelButton),
                  {630, 525, 100, 30});
}

SelectionDialogStep CardSelectionWindow::clicked(int id) {
  // A box has already changed when its click arrives.
  const PoemButton* boxed = poemButtonByBoxId(id);
  const bool boxChecked = boxed && isChecked(boxesByPoem_[boxed->poem]);
  return clickCardSelection(selection_, id, boxChecked);
}

void CardSelectionWindow::showSelection() {
  for (auto& [poem, box] : boxesByPoem_) setChecked(box, selection_.selected[poem] == 1);
}

void registerCardSelectionWindow(ToolWindowRegistry& registry, CardSelection& selection,
                                 MessageSink& messages) {
  registry.add(kCardSelectionWindowName, [&selection, &messages](ToolWindow& window) {
    return std::make_unique<CardSelectionWindow>(window, selection, messages);
  });
}

}  // namespace fuda
