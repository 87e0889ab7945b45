// The memotimer program for Windows. The build's language comes from the
// compile definition FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH;
// everything else is shared. No command line is read; the settings file is
// "fudayomi.ini" in the working folder of a portable copy, in the user's
// folder when installed.
#include <windows.h>
#include <commctrl.h>

#include "adapters/program_dir.h"
#include "core/texts/build_language.h"
#include "core/countdown/memotimer_program.h"
#include "frontends/win32/memotimer_window.h"
#include "frontends/win32/message_loop.h"
#include "frontends/win32/user_folders_start.h"
#include "frontends/win32/windows_ports.h"

using namespace fuda;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  // Declared in the order they are built; they go in reverse, after the
  // ports have been shut down.
  WindowsPorts ports(kBuildLanguage, "memotimer-");
  const ProgramFolders folders = prepareUserFolders(kBuildLanguage, ports.messages());
  MemotimerProgram program(kBuildLanguage, folders.settingsFile, programDir(), ports);

  MemotimerWindow window(kBuildLanguage, ports.clock(), program.announcer());
  ports.setMessageOwner(window.hwnd());
  window.show(program.offsets());

  runMessageLoop(window.hwnd());
  ports.shutdown();
  return 0;
}
