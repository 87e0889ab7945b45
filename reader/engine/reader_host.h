#pragma once
// Port: what the command dispatch needs from the main window beyond the
// reading display: dialogs, voices, files and the pointer. The Qt frame
// implements it; every method is called on the GUI thread.
#include <string_view>

namespace fuda {

class ReaderHost {
 public:
  virtual ~ReaderHost() = default;
  // Reader menu: number "1".."4" names the settings key "Data" + number.
  virtual void selectReaderVoice(std::string_view number) = 0;
  // "CSelect" or "HSelect"; returns when the dialog has closed.
  virtual void openToolWindow(std::string_view name) = 0;
  virtual void openHelp() = 0;
  // The reading-order list file, with its own conditions and messages.
  virtual void exportList() = 0;
  virtual void importList() = 0;
  // Mouse lock on: hold the pointer on the 2 x 2 area around where it is now
  // and show the crosshair. The lock ends through ReaderView::releasePointer.
  virtual void holdPointer() = 0;
};

}  // namespace fuda
