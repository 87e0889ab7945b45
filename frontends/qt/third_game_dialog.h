#pragma once
// The one-third game window ("HSelect"): buttons A, B and C with a check box
// and a label of first kana each, OK and CANCEL. Its state is the
// CardSelection itself; the boxes always show `thirdChoice`.
#include <QObject>
#include <map>

#include "core/ports/message_sink.h"
#include "core/cards/card_selection.h"
#include "frontends/qt/tool_window.h"

class QCheckBox;

namespace fuda {

class ThirdGameDialog : public QObject {
 public:
  // Builds the controls into `window` (which owns the dialog). GUI thread.
  ThirdGameDialog(ToolWindow& window, CardSelection& selection, MessageSink& messages);

 private:
  void buildControls();
  void clicked(int id);
  void showThird();

  ToolWindow& window_;
  CardSelection& selection_;
  MessageSink& messages_;
  std::map<int, QCheckBox*> boxesByChoice_;
};

// Registers the dialog under "HSelect".
void registerThirdGameDialog(ToolWindowRegistry& registry, CardSelection& selection,
                             MessageSink& messages);

}  // namespace fuda
