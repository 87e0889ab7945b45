#pragma once
// The texts the game's reading shows: the start refused for want of cards,
// the withdraw's message and the timing label, in both languages.
#include "core/texts/language.h"

namespace fuda::texts {

inline constexpr LocalText kNoCardsCaption{"未選択エラー", "Error!"};
inline constexpr LocalText kNoCardsText{"一首以上選択してください。", "Select 1 or more."};

inline constexpr LocalText kWithdrawCaption{"無効化", "List"};
// Follows the withdrawn card's upper verse in quotes.
inline constexpr LocalText kWithdrawText{"の読みを無効化しました", "Read Again Later!"};

// Followed by the pause in seconds.
inline constexpr LocalText kTimingLabelPrefix{"間合い調整：　", "adjust the timing:  "};

}  // namespace fuda::texts
