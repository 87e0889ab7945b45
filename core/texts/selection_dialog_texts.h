#pragma once
// The user-visible texts of the card selection and one-third game dialogs,
// in both languages. The poem and block button captions and the labels of
// the thirds live with their layout tables in core/cards/.
#include "core/texts/language.h"

namespace fuda::texts {

inline constexpr LocalText kSelectionTitle{"使 用 札 選 択", "Selection For beginner"};
inline constexpr LocalText kDialogOkButton{"Ｏ　Ｋ", "OK"};
inline constexpr LocalText kDialogCancelButton{"CANCEL", "CANCEL"};
// Check box k of the card selection is captioned this followed by k; the
// three boxes of the one-third game all carry it followed by 1.
inline constexpr const char* kCheckBoxCaption = "Check";

inline constexpr LocalText kNothingSelectedCaption{"未選択エラー", "Error!"};
inline constexpr LocalText kNothingSelectedText{"一首以上選択してください。", "Select 1 or more."};
inline constexpr LocalText kNoThirdChosenText{"Ａ～Ｃを選択してください。", "Select A or B or C"};

}  // namespace fuda::texts
