#pragma once
// What the command dispatch needs from the program beyond the reading
// display: dialogs, voices, files and help. ReaderProgram implements it,
// over its settings and the front end's ReaderFrontEnd; every method is
// called on the GUI thread.
#include <string_view>

namespace fuda {

class ReaderHost {
 public:
  virtual ~ReaderHost() = default;
  // Reader menu: number "1".."4" names the settings key "Data" + number.
  virtual void selectReaderVoice(std::string_view number) = 0;
  // kCardSelectionWindowName or kThirdGameWindowName; returns when the
  // dialog has closed.
  virtual void openToolWindow(std::string_view name) = 0;
  virtual void openHelp() = 0;
  // The reading-order list file, with its own conditions and messages.
  virtual void exportList() = 0;
  virtual void importList() = 0;
};

}  // namespace fuda
