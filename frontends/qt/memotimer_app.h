#pragma once
// The memotimer program on Qt: the program over the ports main() built, and
// its window.
#include <filesystem>
#include <memory>

#include "core/texts/language.h"
#include "core/countdown/memotimer_program.h"
#include "core/ports/program_ports.h"
#include "frontends/qt/memotimer_main_window.h"

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
  ProgramPorts& ports_;
  MemotimerProgram program_;
  std::unique_ptr<MemotimerMainWindow> window_;
  bool shutDown_ = false;
};

}  // namespace fuda
