#include "frontends/qt/third_game_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "frontends/qt/fonts.h"
#include "frontends/qt/selection_dialog_step.h"
#include "core/cards/third_game_rules.h"
#include "core/screen/selection_dialog_layout.h"
#include "core/texts/selection_dialog_texts.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/dialog_controls.h"

namespace fuda {

ThirdGameDialog::ThirdGameDialog(ToolWindow& window, CardSelection& selection,
                                 MessageSink& messages)
    : QObject(&window), window_(window), selection_(selection), messages_(messages) {
  buildControls();
  showThird();
}

void ThirdGameDialog::buildControls() {
  const Language language = window_.language();
  const DialogControls controls(window_.client(), thirdGameFont(language),
                                [this](int id) { clicked(id); });

  for (const Third& third : thirds()) {
    controls.button(third.buttonId, pick(language, third.buttonCaption), thirdButtonBox(third));
  }
  for (const DialogButtonLayout& button : kThirdGameDialogButtons) {
    controls.button(button.id, pick(language, button.caption), button.box);
  }
  for (const Third& third : thirds()) {
    auto* label = new QLabel(toQString(pick(language, third.label)));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A left-aligned static text wraps; the kana of a third may take two lines.
    label->setWordWrap(true);
    controls.place(label, third.labelId, thirdLabelBox(third));
  }
  for (const Third& third : thirds()) {
    // All three carry the same caption.
    auto* box = new QCheckBox(QString::fromLatin1(texts::kCheckBoxCaption) + QStringLiteral("1"));
    controls.place(box, third.boxId, thirdCheckBoxBox(third));
    const int buttonId = third.buttonId;
    // The box has already changed when the click arrives; it then does what
    // its button does, and showThird puts every box right again.
    connect(box, &QCheckBox::clicked, this, [this, buttonId] { clicked(buttonId); });
    boxesByChoice_[third.choice] = box;
  }
}

void ThirdGameDialog::clicked(int id) {
  const SelectionDialogStep step = clickThirdGame(selection_, id);
  if (followSelectionStep(step, window_, messages_, texts::kNoThirdChosenText)) showThird();
}

void ThirdGameDialog::showThird() {
  for (auto& [choice, box] : boxesByChoice_) box->setChecked(selection_.thirdChoice == choice);
}

void registerThirdGameDialog(ToolWindowRegistry& registry, CardSelection& selection,
                             MessageSink& messages) {
  registry.add(kThirdGameWindowName, [&selection, &messages](ToolWindow& window) {
    new ThirdGameDialog(window, selection, messages);
  });
}

}  // namespace fuda
