#pragma once
// The default voice of an installed program, made on its first start by the
// installed voice maker while a progress dialog shows how far it is. Later
// starts find the voice complete: the maker says so at once and no dialog
// appears. A voice that could not be made stays marked incomplete, so the
// next start makes it again.
#include <filesystem>

#include "core/texts/language.h"

namespace fuda {

// GUI thread, before the main window exists. Returns when the voice is made,
// has failed (the user is told why), or the user cancelled.
void makeFirstVoice(const std::filesystem::path& voiceMaker,
                    const std::filesystem::path& voiceDir, Language language);

}  // namespace fuda
