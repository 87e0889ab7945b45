#pragma once
// Where a timer window appears: [Timer] Posx and Posy of the settings file,
// pixels from the top-left corner of the main window (the reader) or of
// where the window first appeared (the memotimer).
#include "core/settings/settings_file.h"

namespace fuda {

struct TimerOffsets {
  int x = 180;
  int y = 340;
};

TimerOffsets timerOffsets(const SettingsFile& settings);

}  // namespace fuda
