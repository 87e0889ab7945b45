#pragma once
// The pause between a lower verse and the next upper verse, set with the
// track bar, and the label that shows it.
#include <cstdint>
#include <string>

#include "core/texts/language.h"

namespace fuda {

inline constexpr int kTimingTrackBarStart = 50;
inline constexpr std::int32_t kTimingPauseStart = 1000;  // ms

// Track bar position 0..100 to the pause in ms.
std::int32_t timingPauseFor(int trackBarPosition);
// "間合い調整：　1.00" / "adjust the timing:  1.00".
std::string timingLabel(Language language, std::int32_t timingPauseMs);

}  // namespace fuda
