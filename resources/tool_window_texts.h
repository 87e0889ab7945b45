#pragma once
// The captions of the reader's tool windows, in both languages.
#include "common/language.h"

namespace fuda::texts {

inline constexpr LocalText kTimerWindowCaption{"暗記タイマー", "Anki Timer"};
inline constexpr LocalText kCardSelectionWindowCaption{"使用札選択", "Selection"};
inline constexpr LocalText kThirdGameWindowCaption{"三分の百首", "100/3 Game"};

}  // namespace fuda::texts
