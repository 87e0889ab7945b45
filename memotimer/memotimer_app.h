#pragma once
// The memotimer program on Qt: its settings (voice, window offsets), the
// clips and the announcer over the ports main() built, and the window.
#include <filesystem>
#include <memory>

#include "common/announcer.h"
#include "common/language.h"
#include "common/settings_file.h"
#include "common/program_ports.h"
#include "common/timer_offsets.h"
#include "common/voice.h"
#include "common/voice_clip_source.h"
#include "memotimer/memotimer_main_window.h"

namespace fuda {

class MemotimerApp {
 public:
  // GUI thread. Reads the settings file and builds the window (not shown).
  // `ports` outlive the program; tests pass a `pause` on their own clock.
  MemotimerApp(Language language, const std::filesystem::path& settingsFile,
               const std::filesystem::path& programDir, ProgramPorts& ports,
               InputFreePause pause = &waitWithoutInput);
  ~MemotimerApp();

  // GUI thread: shows the window, then moves it by the [Timer] offsets from
  // where it first appeared.
  void show();
  // GUI thread, after the event loop: shuts the ports down (the sound
  // stops, every sleep wakes, the announcement threads are joined). Safe to
  // call twice.
  void shutdown();

  MemotimerMainWindow& window() { return *window_; }

 private:
  Language language_;
  SettingsFile settings_;
  TimerOffsets offsets_;
  CurrentVoice voice_;
  ProgramPorts& ports_;
  VoiceClipSource clips_;
  Announcer announcer_;
  std::unique_ptr<MemotimerMainWindow> window_;
  bool shutDown_ = false;
};

}  // namespace fuda
