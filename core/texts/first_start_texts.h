#pragma once
// The user-visible texts of an installed program's first start: its folders
// and the default voice, in both languages.
#include "core/texts/language.h"

namespace fuda::texts {

inline constexpr LocalText kFirstStartCaption{"ふだよみ", "Fudayomi"};
inline constexpr LocalText kFoldersFailed{
    "ユーザーフォルダを用意できませんでした。設定は既定値のまま、標準の読手なしで起動します。",
    "Your folders could not be made. The program starts with the default "
    "settings and without the default voice."};
inline constexpr LocalText kMakingVoice{
    "初めての起動です。標準の読手の音声を作っています…",
    "First start: making the default voice…"};
inline constexpr LocalText kMakingVoiceCancel{"中止", "Cancel"};
inline constexpr LocalText kVoiceFailed{
    "標準の読手を作れませんでした。次の起動でもう一度作ります。",
    "The default voice could not be made. It is made again at the next start."};
inline constexpr LocalText kVoiceCancelled{
    "標準の読手の作成を中止しました。次の起動でもう一度作ります。",
    "Making the default voice was cancelled. It is made again at the next start."};

}  // namespace fuda::texts
