#pragma once
// The reader's Qt front end: the main window and the tool windows over the
// ReaderProgram, which does everything else. Commands, track bar moves and
// the close go from the window to the program; the program asks back for
// tool windows, help and input-free pauses.
#include <memory>

#include "core/texts/language.h"
#include "core/ports/program_ports.h"
#include "frontends/qt/input_free_wait.h"
#include "core/ports/reader_front_end.h"
#include "core/game/reader_program.h"
#include "frontends/qt/main_window.h"
#include "frontends/qt/tool_window.h"

namespace fuda {

class ReaderApp : private ReaderFrontEnd {
 public:
  // GUI thread. Builds the windows (not shown); `ports` outlive the reader.
  // Tests pass a `pause` that advances their virtual clock.
  ReaderApp(Language language, ReaderPaths paths, ProgramPorts& ports,
            InputFreePause pause = &waitWithoutInput);
  ~ReaderApp() override;

  // GUI thread, once, before the window is shown: the settings and the
  // preface poem (see ReaderProgram::startUp).
  void startUp() { program_.startUp(); }
  MainWindow& window() { return *window_; }
  ReaderProgram& program() { return program_; }
  // GUI thread: stops the game and shuts the ports down. Runs once, when
  // the window closes or the program quits.
  void shutdown() { program_.shutdown(); }

 private:
  // ReaderFrontEnd
  void openToolWindow(std::string_view name) override;
  void openHelp(const std::filesystem::path& file) override;
  void pauseWithoutInput(double ms) override;

  // Destroyed in reverse: the program goes before the windows it drives.
  InputFreePause pause_;
  std::unique_ptr<MainWindow> window_;
  ToolWindowRegistry toolWindows_;
  ReaderProgram program_;
};

}  // namespace fuda
