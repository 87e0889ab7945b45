#pragma once
// Manual or automatic reading, and the interval between automatic readings:
// shared by the settings at start-up, the radio buttons and the Mode menu.
#include <optional>

#include "core/ports/reader_view.h"
#include "core/game/reading_state.h"

namespace fuda {

// GUI thread. Sets the radio buttons and `mode`, and the interval when one is
// given. A running automatic loop takes the change of `mode` as its signal to
// end after its current wait.
void setReadMode(ReadingState& state, ReaderView& view, ReadMode mode,
                 std::optional<double> intervalSeconds = std::nullopt);

}  // namespace fuda
