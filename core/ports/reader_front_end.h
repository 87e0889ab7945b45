#pragma once
// Port: what the reader program asks of its front end beyond the main
// window's display: the modal tool windows, the help file and the pause in
// which the windows take no input. Every call comes on the GUI thread.
#include <filesystem>
#include <string_view>

#include "core/ports/announcement_pause.h"

namespace fuda {

class ReaderFrontEnd : public AnnouncementPause {
 public:
  virtual ~ReaderFrontEnd() = default;
  // Opens "Timer", "CSelect" or "HSelect" modally over the main window and
  // returns once it has closed, by any path. Other names open nothing.
  virtual void openToolWindow(std::string_view name) = 0;
  // Opens the help file with the system's viewer; a missing file opens
  // nothing and is not reported.
  virtual void openHelp(const std::filesystem::path& file) = 0;
};

}  // namespace fuda
