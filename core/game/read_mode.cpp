#include "core/game/read_mode.h"

namespace fuda {

void setReadMode(ReadingState& state, ReaderView& view, ReadMode mode,
                 std::optional<double> intervalSeconds) {
  if (intervalSeconds) state.settings.interval = *intervalSeconds;
  view.setReadModeRadio(mode);
  state.mode = mode;
}

}  // namespace fuda
