#pragma once
// The captions of the reader's tool windows, in both languages.
#include "core/texts/language.h"
#include "core/texts/timer_texts.h"

namespace fuda::texts {

// The timer windows of both programs share their caption.
inline constexpr LocalText kTimerWindowCaption = kTimerWindowTitle;
inline constexpr LocalText kCardSelectionWindowCaption{"使用札選択", "Selection"};
inline constexpr LocalText kThirdGameWindowCaption{"三分の百首", "100/3 Game"};

}  // namespace fuda::texts
