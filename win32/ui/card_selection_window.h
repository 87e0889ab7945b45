#pragma once
// The card selection window ("CSelect"): a button and a check box for every
// poem and the preface poem, seven block buttons, OK and CANCEL. Its state is
// the CardSelection itself; the boxes always show `selected`.
#include <map>

#include "common/message_sink.h"
#include "reader/cards/card_selection.h"
#include "win32/ui/gdi_fonts.h"
#include "win32/ui/tool_window.h"

namespace fuda {

class CardSelectionWindow : public ToolWindowContent {
 public:
  // Builds the controls into `window`. GUI thread, like everything here.
  CardSelectionWindow(ToolWindow& window, CardSelection& selection, MessageSink& messages);

  std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void buildControls();
  void clicked(int id);
  void showSelection();

  ToolWindow& window_;
  CardSelection& selection_;
  MessageSink& messages_;
  OwnedFont font_;
  std::map<int, HWND> boxesByPoem_;
};

// Registers the window under "CSelect"; the selection and the message sink
// outlive the registry.
void registerCardSelectionWindow(ToolWindowRegistry& registry, CardSelection& selection,
                                 MessageSink& messages);

}  // namespace fuda
