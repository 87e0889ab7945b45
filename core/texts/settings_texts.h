#pragma once
// The message of a settings file that is there but cannot be read, in both
// languages.
#include "core/texts/language.h"

namespace fuda::texts {

inline constexpr LocalText kSettingsUnreadable{
    "設定ファイルを読めません。既定の設定で動作します。",
    "The settings file cannot be read; the defaults are used."};

}  // namespace fuda::texts
