#pragma once
// The notice every program gives once when it finds no sound output device,
// in both languages.
#include "core/texts/language.h"

namespace fuda::texts {

inline constexpr LocalText kNoSoundDeviceCaption{"音声出力", "Sound Output"};
inline constexpr LocalText kNoSoundDeviceText{
    "音声出力装置を開けません。音声なしで動作します。",
    "No sound output device could be opened; the program runs silent."};

}  // namespace fuda::texts
