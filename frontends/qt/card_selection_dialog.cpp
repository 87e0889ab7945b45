#include "frontends/qt/card_selection_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "frontends/qt/fonts.h"
#include "core/cards/card_selection_rules.h"
#include "core/screen/selection_dialog_layout.h"
#include "frontends/qt/selection_dialog_step.h"
#include "core/texts/selection_dialog_texts.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/dialog_controls.h"

namespace fuda {

CardSelectionDialog::CardSelectionDialog(ToolWindow& window, CardSelection& selection,
                                         MessageSink& messages)
    : QObject(&window), window_(window), selection_(selection), messages_(messages) {
  buildControls();
  showSelection();
}

void CardSelectionDialog::buildControls() {
  const Language language = window_.language();
  const DialogControls controls(window_.client(), selectionFont(language),
                                [this](int id) { clicked(id); });

  // The poem buttons first, then their boxes, each in table order.
  for (const PoemButton& poem : poemButtons()) {
    controls.button(poem.buttonId, pick(language, poem.caption), poemButtonBox(poem));
  }
  int row = 0;
  for (const PoemButton& poem : poemButtons()) {
    auto* box = new QCheckBox(QString::fromLatin1(texts::kCheckBoxCaption) + QString::number(++row));
    controls.place(box, poem.boxId, poemBoxBox(poem));
    const int boxId = poem.boxId;
    connect(box, &QCheckBox::clicked, this, [this, boxId](bool checked) { clicked(boxId, checked); });
    boxesByPoem_[poem.poem] = box;
  }

  auto* title = new QLabel(toQString(pick(language, texts::kSelectionTitle)));
  title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  title->setWordWrap(true);
  controls.place(title, kSelectionTitleLabel, kSelectionTitleBox);

  for (const BlockButton& block : blockButtons()) {
    controls.button(block.id, pick(language, block.caption), blockButtonBox(block));
  }
  for (const DialogButtonLayout& button : kSelectionDialogButtons) {
    controls.button(button.id, pick(language, button.caption), button.box);
  }
}

void CardSelectionDialog::clicked(int id, bool boxChecked) {
  const SelectionDialogStep step = clickCardSelection(selection_, id, boxChecked);
  if (followSelectionStep(step, window_, messages_, texts::kNothingSelectedText)) showSelection();
}

void CardSelectionDialog::showSelection() {
  for (auto& [poem, box] : boxesByPoem_) box->setChecked(selection_.selected[poem]);
}

void registerCardSelectionDialog(ToolWindowRegistry& registry, CardSelection& selection,
                                 MessageSink& messages) {
  registry.add(kCardSelectionWindowName, [&selection, &messages](ToolWindow& window) {
    new CardSelectionDialog(window, selection, messages);
  });
}

}  // namespace fuda
