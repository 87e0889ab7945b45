#pragma once
// The user-visible texts of the two memorisation timer windows: the reader's
// "Timer" window and the memotimer program, in both languages.
#include "core/texts/language.h"

namespace fuda::texts {

inline constexpr LocalText kTimerWindowTitle{"暗記タイマー", "Anki Timer"};
// The one menu bar item of both timer windows: a single blank.
inline constexpr LocalText kTimerMenuTitle{" ", " "};

inline constexpr LocalText kItemLengthen{"暗記時間を１分延ばす", "+1 minute"};
inline constexpr LocalText kItemShorten{"そっと１分進める(^^;)", "-1 minute"};
inline constexpr LocalText kItemStartNow{"すぐに開始する", "Start quickly"};

// The memotimer program.
inline constexpr LocalText kItemMemoStart{"暗記を開始する", "Anki Start"};
inline constexpr LocalText kItemMemoExit{"終了する", "Exit"};
inline constexpr LocalText kMemotimerNotice{
    "暗記タイマー  競技かるたの暗記時間  © fudayomi の作者たち",
    "Anki Timer  memorisation time for karuta  (c) the fudayomi authors"};
// An announcement that cannot be read; the box's caption is the file's path.
inline constexpr LocalText kMemotimerMissingClip{"ファイルが開けません", "File not found!"};

}  // namespace fuda::texts
