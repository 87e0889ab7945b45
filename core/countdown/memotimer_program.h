#pragma once
// The memotimer program without its window: its settings (the voice, the
// edge silence, the window's offsets), the clips and the announcer over the
// ports main() built. Either front end builds its window over announcer()
// and the ports' clock.
#include <filesystem>

#include "core/countdown/announcer.h"
#include "core/texts/language.h"
#include "core/ports/program_ports.h"
#include "core/settings/settings_file.h"
#include "core/countdown/timer_offsets.h"
#include "core/settings/voice.h"
#include "core/clips/voice_clip_source.h"

namespace fuda {

class MemotimerProgram {
 public:
  // GUI thread. Reads the settings file; one that is there but cannot be
  // read is reported. `ports` outlive the program.
  MemotimerProgram(Language language, const std::filesystem::path& settingsFile,
                   const std::filesystem::path& programDir, ProgramPorts& ports);

  Announcer& announcer() { return announcer_; }
  TimerOffsets offsets() const { return offsets_; }

 private:
  SettingsFile settings_;
  TimerOffsets offsets_;
  CurrentVoice voice_;
  VoiceClipSource clips_;
  Announcer announcer_;
};

}  // namespace fuda
