#pragma once
// Whether clips lose the silence at their ends when they are loaded:
// [Reader] Trim in the settings file. Both programs read it, since both play
// the voice's clips.
#include "core/settings/settings_file.h"

namespace fuda {

enum class EdgeSilence : char {
  Trimmed,     // the pause set is the pause heard
  AsRecorded,  // for voices whose padding is part of their timing
};

// GUI thread, at start-up. Only "0" keeps clips as recorded: a value the
// program does not know leaves the default, so a typing slip never changes
// what every pause sounds like.
EdgeSilence edgeSilenceSetting(const SettingsFile& settings);

}  // namespace fuda
