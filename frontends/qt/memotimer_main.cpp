// The memotimer program. The build's language comes from the compile
// definition FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH; everything else
// is shared. No command line is read.
#include <QApplication>
#include <filesystem>

#include "core/texts/build_language.h"
#include "adapters/program_dir.h"
#include "frontends/qt/linux_ports.h"
#include "frontends/qt/quit_on_signal.h"
#include "frontends/qt/user_folders_start.h"
#include "frontends/qt/memotimer_app.h"

using fuda::kBuildLanguage;
using fuda::programDir;

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // SIGTERM, SIGINT and SIGHUP end the program as its window's close does:
  // every event loop is left, and the shutdown below stops the sound, joins
  // the announcement threads and removes the temporary folder.
  bool quitRequested = false;
  fuda::QuitOnSignal quitOnSignal([&] {
    quitRequested = true;
    QCoreApplication::exit(0);
  });
  const fuda::ProgramFolders folders = fuda::prepareUserFolders(kBuildLanguage);
  if (quitRequested) return 0;
  fuda::LinuxPorts ports(kBuildLanguage, "memotimer-");
  fuda::MemotimerApp memotimer(kBuildLanguage, folders.settingsFile, programDir(), ports);
  if (quitRequested) return 0;
  memotimer.show();
  application.exec();
  memotimer.shutdown();
  return 0;
}
