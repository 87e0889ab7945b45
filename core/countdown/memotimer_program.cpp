#include "core/countdown/memotimer_program.h"

#include "core/clips/edge_silence.h"
#include "core/texts/timer_texts.h"

namespace fuda {

MemotimerProgram::MemotimerProgram(Language language, const std::filesystem::path& settingsFile,
                                   const std::filesystem::path& programDir, ProgramPorts& ports)
    : settings_(settingsFile),
      offsets_(timerOffsets(settings_)),
      clips_(voice_, VoiceClipPlaces{ports.tempDir(), programDir, ports.oggDecoder()},
             ports.shell(), ports.clock(), ports.messages(), language,
             MissingClipNotice{MessageOwner::None, texts::kMemotimerMissingClip}),
      announcer_(ports.threads(), clips_, ports.sound()) {
  reportUnreadableSettings(settings_, ports.messages(), language);
  // A voice without clips is not reported here: the announcements report
  // their missing files when they are due, and the countdown runs on.
  voice_.set(chooseVoice(settings_, settings_.read("Reader", "Num", "1")).location);
  clips_.setEdgeSilence(edgeSilenceSetting(settings_));
}

}  // namespace fuda
