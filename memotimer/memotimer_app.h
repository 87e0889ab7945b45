#pragma once
// The memotimer program: its settings (voice, window offsets), the real
// adapters of the ports, the announcer and the window, and the order in
// which they are shut down.
#include <filesystem>
#include <memory>

#include "common/adapters/posix_shell.h"
#include "common/adapters/sdl_sound_out.h"
#include "common/adapters/std_worker_threads.h"
#include "common/adapters/system_clock.h"
#include "common/announcer.h"
#include "common/language.h"
#include "common/adapters/private_temp_dir.h"
#include "common/settings_file.h"
#include "common/ui/qt_message_sink.h"
#include "common/voice.h"
#include "common/voice_clip_source.h"
#include "memotimer/memotimer_window.h"

namespace fuda {

class MemotimerApp {
 public:
  // GUI thread. Reads the settings file and builds the window (not shown).
  MemotimerApp(Language language, const std::filesystem::path& settingsFile,
               const std::filesystem::path& programDir);
  ~MemotimerApp();

  // GUI thread: shows the window, then moves it by the [Timer] offsets from
  // where it first appeared.
  void show();
  // GUI thread, after the event loop: silences the sound, wakes every sleep,
  // and joins the announcement threads. Safe to call twice.
  void shutdown();

  MemotimerWindow& window() { return *window_; }

 private:
  Language language_;
  SettingsFile settings_;
  QPoint offset_;
  CurrentVoice voice_;
  SystemClock clock_;
  QtMessageSink messages_;
  PrivateTempDir tempDir_;
  PosixShell shell_;
  SdlSoundOut sound_;
  VoiceClipSource clips_;
  StdWorkerThreads threads_;
  Announcer announcer_;
  std::unique_ptr<MemotimerWindow> window_;
  bool shutDown_ = false;
};

}  // namespace fuda
