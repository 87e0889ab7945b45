#pragma once
// The reader's start-up reading of the settings file and its choice of voice.
#include <string_view>

#include "core/texts/language.h"
#include "core/ports/message_sink.h"
#include "core/settings/settings_file.h"
#include "core/countdown/timer_offsets.h"
#include "core/settings/voice.h"
#include "core/ports/reader_view.h"
#include "core/game/reading_state.h"

namespace fuda {

// GUI thread. Sets the current voice from [Path] Data<number>; a directory
// without an I-000A clip gets the "no voice" message and WAV as its format.
void selectReaderVoice(const SettingsFile& settings, std::string_view number,
                       CurrentVoice& voice, MessageSink& messages, Language language);

// GUI thread, once at start-up: a message if the settings file is there but
// cannot be read; then voice, reading mode (with the radio buttons),
// interval, the memorisation choice, and the timer window offsets.
TimerOffsets loadSettings(const SettingsFile& settings, ReadingState& state,
                          CurrentVoice& voice, ReaderView& view, Language language);

}  // namespace fuda
