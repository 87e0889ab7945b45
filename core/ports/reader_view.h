#pragma once
// Port: what the reading engine does to the main window. The Qt main window
// implements it and moves every call onto the GUI thread; tests record the
// calls with their virtual time.
#include <string_view>

#include "core/ports/message_sink.h"
#include "core/screen/control_ids.h"
#include "core/game/read_mode_value.h"

namespace fuda {

enum class Enablement { Disabled, Enabled };

class ReaderView : public MessageSink {
 public:
  // All methods: GUI thread or a reading thread.
  virtual void setText(ControlId id, std::string_view text) = 0;
  virtual void setEnabled(ControlId id, Enablement state) = 0;
  // Moves the timing track bar's thumb without reporting a move. Views
  // without a track bar need not care.
  virtual void setTrackBarPosition(int /*position*/) {}
  // Sets one radio button and clears the other.
  virtual void setReadModeRadio(ReadMode mode) = 0;
  // Ends any pointer confinement of the mouse lock and shows the arrow.
  virtual void releasePointer() = 0;
  // Ends the program (shutdown sequence), from any thread.
  virtual void quitProgram() = 0;
  // A reading thread has just cleared `busy`. The track bar may have moved
  // while it was set, when such moves are ignored; the window reads its
  // position again, so that thumb, label and pause agree. Views without a
  // track bar need not care.
  virtual void readingIdle() {}
};

}  // namespace fuda
