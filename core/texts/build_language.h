#pragma once
// The language of this build, for the programs' entry points only: each
// executable is compiled with FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH.
#include "core/texts/language.h"

namespace fuda {

#if defined(FUDA_LANGUAGE_JAPANESE)
inline constexpr Language kBuildLanguage = Language::Japanese;
#elif defined(FUDA_LANGUAGE_ENGLISH)
inline constexpr Language kBuildLanguage = Language::English;
#else
#error "Build with FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH"
#endif

}  // namespace fuda
