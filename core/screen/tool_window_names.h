#pragma once
// The names of the reader's modal tool windows, as the commands open them.
#include <string_view>

namespace fuda {

inline constexpr std::string_view kTimerWindowName = "Timer";
inline constexpr std::string_view kCardSelectionWindowName = "CSelect";
inline constexpr std::string_view kThirdGameWindowName = "HSelect";

}  // namespace fuda
