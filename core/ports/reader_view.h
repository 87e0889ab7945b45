#pragma once
// Port: what the reading engine does to the main window. Each front end's
// main window implements it and moves every call onto its GUI thread; tests
// record the calls with their virtual time.
#include <string_view>

#include "core/game/game_phase.h"
#include "core/game/read_mode_value.h"
#include "core/ports/message_sink.h"
#include "core/screen/control_ids.h"
#include "core/screen/phase_controls.h"

namespace fuda {

class ReaderView : public MessageSink {
 public:
  // All methods: GUI thread or a reading thread.
  virtual void setText(ControlId id, std::string_view text) = 0;
  virtual void setEnabled(ControlId id, Enablement state) = 0;
  // The game has entered `phase`. A view that enables its controls from the
  // phase table alone (a page script, say) may take the phase whole.
  virtual void showPhase(GamePhase phase) {
    for (const ControlEnabling& control : controlsOf(phase)) setEnabled(control.id, control.state);
  }
  // Moves the timing track bar's thumb without reporting a move. Views
  // without a track bar need not care.
  virtual void setTrackBarPosition(int /*position*/) {}
  // Sets one radio button and clears the other.
  virtual void setReadModeRadio(ReadMode mode) = 0;
  // Ends any pointer confinement of the mouse lock and shows the arrow.
  virtual void releasePointer() = 0;
  // Ends the program (shutdown sequence), from any thread.
  virtual void quitProgram() = 0;
};

}  // namespace fuda
