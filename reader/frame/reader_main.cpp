// The reader program. The build's language comes from the compile definition
// FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH; everything else is shared.
#include <QApplication>
#include <filesystem>

#include "common/ui/quit_signals.h"
#include "common/ui/start_retry.h"
#include "common/ui/window_gone_watch.h"
#include "reader/frame/main_window.h"
#include "reader/frame/reader_app.h"

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
  fuda::StartRetry retry(argv);
  QApplication application(argc, argv);
  retry.started();
  fuda::ReaderApp reader(kBuildLanguage, {"fudayomi.ini", programDir()});
  // Ends asked for from outside the window: the same shutdown as the Exit
  // menu, then out of every event loop, a tool window's included.
  const auto endNow = [&reader] {
    reader.shutdown();
    QCoreApplication::quit();
  };
  fuda::QuitSignals quitSignals(endNow);
  fuda::WindowGoneWatch windowGone(&reader.window(), endNow);
  reader.window().show();
  application.exec();
  return 0;
}
