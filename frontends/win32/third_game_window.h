#pragma once
// The one-third game window ("HSelect"): buttons A, B and C with the first
// kana of each third beside them, a check box left of each, OK and CANCEL.
// The boxes always show `thirdChoice`.
#include <map>

#include "frontends/win32/selection_dialog.h"

namespace fuda {

class ThirdGameWindow : public SelectionDialog {
 public:
  // Builds the controls into `window`. GUI thread, like everything here.
  ThirdGameWindow(ToolWindow& window, CardSelection& selection, MessageSink& messages);

 private:
  void buildControls();
  SelectionDialogStep clicked(int id) override;
  void showSelection() override;

  std::map<int, HWND> boxesByChoice_;
};

// Registers the window under "HSelect"; the selection and the message sink
// outlive the registry.
void registerThirdGameWindow(ToolWindowRegistry& registry, CardSelection& selection,
                             MessageSink& messages);

}  // namespace fuda
