#pragma once
// Manual or automatic reading; while an automatic loop runs, it marks the
// mode as its own, and a change back to manual is its signal to end. The
// radio buttons show AutoLoopRunning as Automatic.
#include <cstdint>

namespace fuda {

enum class ReadMode : std::int16_t { Manual = 0, Automatic = 1, AutoLoopRunning = 2 };

}  // namespace fuda
