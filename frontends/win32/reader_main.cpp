// The reader program for Windows. The build's language comes from the
// compile definition FUDA_LANGUAGE_JAPANESE or FUDA_LANGUAGE_ENGLISH;
// everything else is shared. No command line is read. A portable copy keeps
// its settings file "fudayomi.ini" in the working folder and the list file
// beside the program; an installed one keeps them in the user's folders.
#include <windows.h>

#include "adapters/program_dir.h"
#include "core/texts/build_language.h"
#include "core/game/reader_program.h"
#include "core/screen/reader_command_ids.h"
#include "frontends/win32/card_selection_window.h"
#include "frontends/win32/help_file.h"
#include "frontends/win32/input_free_pause.h"
#include "frontends/win32/memo_timer_window.h"
#include "frontends/win32/message_loop.h"
#include "frontends/win32/reader_main_window.h"
#include "frontends/win32/third_game_window.h"
#include "frontends/win32/tool_window.h"
#include "frontends/win32/user_folders_start.h"
#include "frontends/win32/windows_ports.h"

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
  WindowsPorts ports(kBuildLanguage, "fudayomi-");
  const ProgramFolders folders = prepareUserFolders(kBuildLanguage, ports.messages());
  // The window reports to the program, which is built over the window.
  ReaderProgram* program = nullptr;
  ReaderMainWindow window(
      kBuildLanguage, ports.messages(),
      [&program](int id) {
        const auto command = readerCommandFor(id);
        if (program != nullptr && command) program->dispatchCommand(*command);
      },
      [&program](int position) {
        if (program != nullptr) program->timingChanged(position);
      },
      [&program] {
        if (program != nullptr) program->shutdown();
      });
  ToolWindowRegistry tools(kBuildLanguage);
  WindowsReaderFrontEnd frontEnd(window, tools, ports.clock());
  ReaderProgram reader(kBuildLanguage,
                       ReaderPaths{folders.settingsFile, programDir(), folders.listDir,
                                   folders.listPathShown, folders.helpFile},
                       ports, window, frontEnd);
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
