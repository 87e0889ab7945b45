#include "win32/ui/card_selection_window.h"

#include <string>

#include "reader/cards/card_selection_rules.h"
#include "resources/selection_dialog_texts.h"
#include "win32/ui/dialog_controls.h"

namespace fuda {

CardSelectionWindow::CardSelectionWindow(ToolWindow& window, CardSelection& selection,
                                         MessageSink& messages)
    : window_(window),
      selection_(selection),
      messages_(messages),
      font_(createSelectionFont(window.language())) {
  buildControls();
  showSelection();
}

void CardSelectionWindow::buildControls() {
  const Language language = window_.language();
  const DialogControls controls(window_.hwnd(), font_.get());

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

std::optional<LRESULT> CardSelectionWindow::handle(UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return std::nullopt;
  clicked(LOWORD(wParam));
  return 0;
}

void CardSelectionWindow::clicked(int id) {
  if (const PoemButton* poem = poemButtonById(id)) {
    flipCard(selection_, poem->poem);
  } else if (const PoemButton* boxed = poemButtonByBoxId(id)) {
    // The box has already changed when the click arrives.
    setCardFromBox(selection_, boxed->poem, isChecked(boxesByPoem_[boxed->poem]));
  } else if (const BlockButton* block = blockButtonById(id)) {
    flipBlock(selection_, *block);
  } else if (id == kSelectionOkButton) {
    if (confirmSelection(selection_) == OkOutcome::Close) {
      closeToolWindow(window_, 0);
      return;
    }
    const Language language = window_.language();
    messages_.showMessage(pick(language, texts::kNothingSelectedCaption),
                          pick(language, texts::kNothingSelectedText), MessageOwner::None);
  } else if (id == kSelectionCancelButton) {
    cancelSelection(selection_);
    closeToolWindow(window_, 0);
    return;
  }
  showSelection();
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
