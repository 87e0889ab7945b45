#pragma once
// What the two selection dialogs share: the dialog font, every button click
// forwarded to the dialog's rule, and what follows it: the dialog closes, or
// tells that nothing is chosen, and shows the CardSelection again.
#include "core/texts/language.h"
#include "core/ports/message_sink.h"
#include "core/cards/card_selection.h"
#include "core/cards/selection_clicks.h"
#include "frontends/win32/dialog_controls.h"
#include "frontends/win32/window_fonts.h"
#include "frontends/win32/tool_window.h"

namespace fuda {

class SelectionDialog : public ToolWindowContent {
 public:
  std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // GUI thread, like everything here.
  SelectionDialog(ToolWindow& window, CardSelection& selection, MessageSink& messages,
                  LocalText nothingSelectedText);

  // The controls of the dialog, with its font.
  DialogControls controls() const { return DialogControls(window_.hwnd(), font_.get()); }
  // A button or box was clicked; its rule comes back as a step.
  virtual SelectionDialogStep clicked(int id) = 0;
  // The boxes show the CardSelection.
  virtual void showSelection() = 0;

  ToolWindow& window_;
  CardSelection& selection_;

 private:
  MessageSink& messages_;
  LocalText nothingSelectedText_;
  OwnedFont font_;
};

}  // namespace fuda
