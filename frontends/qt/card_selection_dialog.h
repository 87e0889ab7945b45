#pragma once
// The card selection window ("CSelect"): a button and a check box for every
// poem and the preface poem, seven block buttons, OK and CANCEL. Its state is
// the CardSelection itself; the boxes always show `selected`.
#include <QObject>
#include <map>

#include "core/ports/message_sink.h"
#include "core/cards/card_selection.h"
#include "frontends/qt/tool_window.h"

class QCheckBox;

namespace fuda {

class CardSelectionDialog : public QObject {
 public:
  // Builds the controls into `window` (which owns the dialog). GUI thread.
  CardSelectionDialog(ToolWindow& window, CardSelection& selection, MessageSink& messages);

 private:
  void buildControls();
  // Any control; `boxChecked` is what a clicked check box now shows.
  void clicked(int id, bool boxChecked = false);
  void showSelection();

  ToolWindow& window_;
  CardSelection& selection_;
  MessageSink& messages_;
  std::map<int, QCheckBox*> boxesByPoem_;
};

// Registers the dialog under "CSelect".
void registerCardSelectionDialog(ToolWindowRegistry& registry, CardSelection& selection,
                                 MessageSink& messages);

}  // namespace fuda
