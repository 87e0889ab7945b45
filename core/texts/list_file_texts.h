#pragma once
// The messages of the reading-order list file "readlist.txt", in both
// languages.
#include "core/texts/language.h"

namespace fuda::texts {

inline constexpr LocalText kListCaption{"読唱順リスト", "List"};
inline constexpr LocalText kListWritten{"リストを書き込みました", "Writing of the List is Complete!"};
inline constexpr LocalText kListRead{"リストを読み込みました", "Reading of the List is Complete!"};
inline constexpr LocalText kListWriteFailed{"リストを書き込めませんでした。",
                                            "Writing of the List failed!"};
inline constexpr LocalText kListUnreadable{"readlist.txt を読み込めませんでした。",
                                           "Could not read readlist.txt."};
inline constexpr LocalText kListTooLarge{"readlist.txt が大きすぎます（1 MiB を超えています）。",
                                         "readlist.txt is too large (over 1 MiB)."};
inline constexpr LocalText kListEmpty{"readlist.txt に読む札がありません。",
                                      "readlist.txt holds no cards to read."};
// A bad line: prefix, line number, middle, poem number, and an ending.
inline constexpr LocalText kListLinePrefix{"readlist.txt の ", "readlist.txt line "};
inline constexpr LocalText kListLineMiddle{" 行目: 札番号 ", ": poem number "};
inline constexpr LocalText kListNumberUnreadable{" は読めません。", " cannot be read."};
// A poem listed twice: ... kListNumberRepeated, the earlier line, kListRepeatEnd.
inline constexpr LocalText kListNumberRepeated{" は ", " is already on line "};
inline constexpr LocalText kListRepeatEnd{" 行目にもあります。", "."};

}  // namespace fuda::texts
