// The memotimer program. The build's language comes from the compile
// definition FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH; everything else
// is shared. No command line is read.
#include <QApplication>
#include <filesystem>

#include "common/ui/quit_on_signal.h"
#include "memotimer/memotimer_app.h"

namespace {

#if defined(FUDA_LANGUAGE_JAPANESE)
constexpr fuda::Language kBuildLanguage = fuda::Language::Japanese;
#elif defined(FUDA_LANGUAGE_ENGLISH)
constexpr fuda::Language kBuildLanguage = fuda::Language::English;
#else
#error "Build with FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH"
#endif

std::filesystem::path programDir() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace

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
  fuda::MemotimerApp memotimer(kBuildLanguage, "fudayomi.ini", programDir());
  if (quitRequested) return 0;
  memotimer.show();
  application.exec();
  memotimer.shutdown();
  return 0;
}
