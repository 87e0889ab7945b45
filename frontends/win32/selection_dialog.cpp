#include "frontends/win32/selection_dialog.h"

#include "core/texts/selection_dialog_texts.h"
#include "frontends/win32/dpi_scaling.h"

namespace fuda {

SelectionDialog::SelectionDialog(ToolWindow& window, CardSelection& selection,
                                 MessageSink& messages, LocalText nothingSelectedText)
    : window_(window),
      selection_(selection),
      messages_(messages),
      nothingSelectedText_(nothingSelectedText),
      font_(createSelectionFont, window.language(), dpiOf(window.hwnd())) {}

std::optional<LRESULT> SelectionDialog::handle(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_DPICHANGED) {
    font_.rescale(window_.hwnd(), HIWORD(wParam));
    return std::nullopt;
  }
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return std::nullopt;
  const SelectionDialogStep step = clicked(LOWORD(wParam));
  if (step == SelectionDialogStep::Close) {
    closeToolWindow(window_, 0);
    return 0;
  }
  if (step == SelectionDialogStep::ShowNothingSelected) {
    const Language language = window_.language();
    messages_.showMessage(pick(language, texts::kNothingSelectedCaption),
                          pick(language, nothingSelectedText_), MessageOwner::None);
  }
  showSelection();
  return 0;
}

}  // namespace fuda
