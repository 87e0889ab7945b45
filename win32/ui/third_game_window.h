#pragma once
// The one-third game window ("HSelect"): buttons A, B and C with the first
// kana of each third beside them, a check box left of each, OK and CANCEL.
// The boxes always show `thirdChoice`.
#include <map>

#include "common/message_sink.h"
#include "reader/cards/card_selection.h"
#include "win32/ui/gdi_fonts.h"
#include "win32/ui/tool_window.h"

namespace fuda {

class ThirdGameWindow : public ToolWindowContent {
 public:
  // Builds the controls into `window`. GUI thread, like everything here.
  ThirdGameWindow(ToolWindow& window, CardSelection& selection, MessageSink& messages);

  std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void buildControls();
  void clicked(int id);
  void showThird();

  ToolWindow& window_;
  CardSelection& selection_;
  MessageSink& messages_;
  OwnedFont font_;
  std::map<int, HWND> boxesByChoice_;
};

// Registers the window under "HSelect"; the selection and the message sink
// outlive the registry.
void registerThirdGameWindow(ToolWindowRegistry& registry, CardSelection& selection,
                             MessageSink& messages);

}  // namespace fuda
