// The reader program for Windows. The build's language comes from the
// compile definition FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH;
// everything else is shared. No command line is read; the settings file is
// "fudayomi.ini" in the working folder, the list file lies beside the
// program.
#include <windows.h>

#include "common/adapters/program_dir.h"
#include "common/build_language.h"
#include "common/settings_file.h"
#include "reader/engine/reader_program.h"
#include "win32/ui/card_selection_window.h"
#include "win32/ui/help_file.h"
#include "win32/ui/input_free_pause.h"
#include "win32/ui/memo_timer_window.h"
#include "win32/ui/message_loop.h"
#include "win32/ui/reader_main_window.h"
#include "win32/ui/third_game_window.h"
#include "win32/ui/tool_window.h"
#include "win32/windows_ports.h"

using namespace fuda;

namespace {

// What the program asks of the Windows front end.
class WindowsReaderFrontEnd : public ReaderFrontEnd {
 public:
  WindowsReaderFrontEnd(const ReaderMainWindow& window, const ToolWindowRegistry& tools,
                        Clock& clock)
      : window_(window), tools_(tools), clock_(clock) {}

  void openToolWindow(std::string_view name) override {
    showToolWindow(window_.hwnd(), name, tools_);
  }
  void openHelp(const std::filesystem::path& file) override { openHelpFile(file); }
  void pauseWithoutInput(double ms) override {
    fuda::pauseWithoutInput(window_.hwnd(), ms, clock_);
  }

 private:
  const ReaderMainWindow& window_;
  const ToolWindowRegistry& tools_;
  Clock& clock_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  // Declared in the order they are built; they go in reverse, after the
  // program has shut the ports down.
  WindowsPorts ports("fudayomi-");
  // The window reports to the program, which is built over the window.
  ReaderProgram* program = nullptr;
  ReaderMainWindow window(
      kBuildLanguage, ports.messages(),
      [&program](int id) {
        if (program != nullptr) program->dispatchCommand(id);
      },
      [&program](int position) {
        if (program != nullptr) program->timingChanged(position);
      },
      [&program] {
        if (program != nullptr) program->shutdown();
      });
  ToolWindowRegistry tools(kBuildLanguage);
  WindowsReaderFrontEnd frontEnd(window, tools, ports.clock());
  ReaderProgram reader(kBuildLanguage, ReaderPaths{kSettingsFileName, programDir()}, ports,
                       window, frontEnd);
  registerCardSelectionWindow(tools, reader.selection(), reader.messages());
  registerThirdGameWindow(tools, reader.selection(), reader.messages());
  registerMemoTimerWindow(tools, reader.memoTimer());
  program = &reader;
  ports.setMessageOwner(window.hwnd());

  reader.startUp();
  window.show(showCommand);
  runMessageLoop(window.hwnd());
  reader.shutdown();
  return 0;
}
