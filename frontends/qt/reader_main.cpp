// The reader program. The build's language comes from the compile definition
// FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH; everything else is shared.
#include <QApplication>
#include <filesystem>

#include "core/texts/build_language.h"
#include "adapters/program_dir.h"
#include "frontends/qt/linux_ports.h"
#include "frontends/qt/quit_on_signal.h"
#include "frontends/qt/user_folders_start.h"
#include "frontends/qt/window_gone_watch.h"
#include "frontends/qt/main_window.h"
#include "frontends/qt/reader_app.h"

using fuda::kBuildLanguage;
using fuda::programDir;

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // A signal ends the program even while a tool window or a message box is
  // open, where the close box is refused: every event loop is left, and the
  // reader's destruction below removes its temporary folder. It is taken
  // from the start, as the start-up itself may wait in a message box.
  fuda::ReaderApp* reader = nullptr;
  bool quitRequested = false;
  fuda::QuitOnSignal quitOnSignal([&] {
    quitRequested = true;
    if (reader != nullptr) reader->shutdown();
    QCoreApplication::exit(0);
  });
  const fuda::ProgramFolders folders = fuda::prepareUserFolders(kBuildLanguage);
  if (quitRequested) return 0;
  fuda::LinuxPorts ports(kBuildLanguage, "fudayomi-");
  fuda::ReaderApp app(kBuildLanguage,
                      {folders.settingsFile, programDir(), folders.listDir, folders.listPathShown,
                       folders.helpFile},
                      ports);
  ports.setMessageOwner(&app.window());
  reader = &app;
  app.startUp();
  if (quitRequested) return 0;
  // A window destroyed from outside (no window manager to ask us first)
  // ends the program as its close box would.
  fuda::WindowGoneWatch windowGone(&app.window(), [&app] {
    app.shutdown();
    QCoreApplication::quit();
  });
  app.window().show();
  application.exec();
  return 0;
}
