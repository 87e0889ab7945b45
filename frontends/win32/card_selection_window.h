#pragma once
// The card selection window ("CSelect"): a button and a check box for every
// poem and the preface poem, seven block buttons, OK and CANCEL. Its state is
// the CardSelection itself; the boxes always show `selected`.
#include <map>

#include "frontends/win32/selection_dialog.h"

namespace fuda {

class CardSelectionWindow : public SelectionDialog {
 public:
  // Builds the controls into `window`. GUI thread, like everything here.
  CardSelectionWindow(ToolWindow& window, CardSelection& selection, MessageSink& messages);

 private:
  void buildControls();
  SelectionDialogStep clicked(int id) override;
  void showSelection() override;

  std::map<int, HWND> boxesByPoem_;
};

// Registers the window under "CSelect"; the selection and the message sink
// outlive the registry.
void registerCardSelectionWindow(ToolWindowRegistry& registry, CardSelection& selection,
                                 MessageSink& messages);

}  // namespace fuda
