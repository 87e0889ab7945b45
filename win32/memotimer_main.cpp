// The memotimer program for Windows. The build's language comes from the
// compile definition FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH;
// everything else is shared. No command line is read; the settings file is
// "fudayomi.ini" in the working folder.
#include <windows.h>
#include <commctrl.h>

#include "common/adapters/program_dir.h"
#include "common/announcer.h"
#include "common/build_language.h"
#include "common/edge_silence.h"
#include "common/settings_file.h"
#include "common/timer_offsets.h"
#include "common/voice.h"
#include "common/voice_clip_source.h"
#include "resources/timer_texts.h"
#include "win32/ui/memotimer_window.h"
#include "win32/windows_ports.h"

using namespace fuda;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  const SettingsFile settings{std::filesystem::path(kSettingsFileName)};
  // Declared in the order they are built; they go in reverse, after the
  // ports have been shut down.
  WindowsPorts ports("memotimer-");
  CurrentVoice voice;
  VoiceClipSource clips(voice, VoiceClipPlaces{ports.tempDir(), programDir()}, ports.shell(),
                        ports.clock(), ports.messages(), kBuildLanguage,
                        MissingClipNotice{MessageOwner::None, texts::kMemotimerMissingClip});
  Announcer announcer(ports.threads(), clips, ports.sound());

  reportUnreadableSettings(settings, ports.messages(), kBuildLanguage);
  // A voice without clips is not reported here: the announcements report
  // their missing files when they are due, and the countdown runs on.
  voice.set(chooseVoice(settings, settings.read("Reader", "Num", "1")).location);
  clips.setEdgeSilence(edgeSilenceSetting(settings));

  MemotimerWindow window(kBuildLanguage, ports.clock(), announcer);
  ports.setMessageOwner(window.hwnd());
  window.show(timerOffsets(settings));

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  ports.shutdown();
  return 0;
}
