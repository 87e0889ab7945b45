// The memotimer program. The build's language comes from the compile
// definition FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH; everything else
// is shared. No command line is read.
#include <QApplication>
#include <filesystem>

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
  fuda::MemotimerApp memotimer(kBuildLanguage, "fudayomi.ini", programDir());
  memotimer.show();
  application.exec();
  memotimer.shutdown();
  return 0;
}
