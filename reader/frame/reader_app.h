#pragma once
// The reader program: owns the game state, the real adapters of the ports,
// the main window, the engine and the command dispatch; runs the start-up
// settings and the shutdown sequence.
#include <filesystem>
#include <memory>

#include "common/announcer.h"
#include "common/language.h"
#include "common/settings_file.h"
#include "common/ui/program_ports.h"
#include "common/adapters/user_folders.h"
#include "common/voice.h"
#include "common/voice_clip_source.h"
#include "reader/cards/card_selection.h"
#include "reader/engine/game_engine.h"
#include "reader/engine/memo_timer_host.h"
#include "reader/engine/reader_commands.h"
#include "reader/engine/reader_host.h"
#include "reader/engine/reader_settings.h"
#include "reader/engine/reading_order.h"
#include "reader/engine/reading_state.h"
#include "reader/timer/memo_timer.h"
#include "reader/frame/tool_window.h"

namespace fuda {

class MainWindow;

struct ReaderPaths {
  std::filesystem::path settingsFile;  // "fudayomi.ini" in the working folder
  std::filesystem::path programDir;    // where the program file lies
  // Where the list file goes; empty: beside the program.
  std::filesystem::path listDir{};
  ListPathShown listPathShown = ListPathShown::No;
  // Installed: the folder of the help file; empty: the working folder.
  std::filesystem::path sharedDataDir{};
};

class ReaderApp : private ReaderHost, private MemoTimerHost {
 public:
  ReaderApp(Language language, ReaderPaths paths);
  ~ReaderApp() override;

  // GUI thread. The window is shown by the caller.
  MainWindow& window() { return *window_; }
  // GUI thread: every button, menu item and gesture.
  void dispatchCommand(int id);
  // GUI thread: stops the sound, wakes and joins the reading thread. Runs
  // once, when the window closes or the program quits.
  void shutdown();

  ReadingState& state() { return state_; }
  CardSelection& selection() { return selection_; }
  ReadingOrder& order() { return order_; }
  GameEngine& engine() { return *engine_; }
  SdlSoundOut& sound() { return ports_.sound; }
  const TimerOffsets& timerOffsets() const { return timerOffsets_; }
  const CurrentVoice& voice() const { return voice_; }
  // The builders of the tool windows; the timer window registers here too.
  ToolWindowRegistry& toolWindows() { return toolWindows_; }

 private:
  // ReaderHost
  void selectReaderVoice(std::string_view number) override;
  void openToolWindow(std::string_view name) override;
  void openHelp() override;
  void exportList() override;
  void importList() override;
  // MemoTimerHost
  void openMemoTimer() override;

  void startUp();
  void timingChanged(int position);
  const std::filesystem::path& listDir() const;

  Language language_;
  ReaderPaths paths_;
  SettingsFile settings_;
  ReadingState state_;
  CardSelection selection_;
  ReadingOrder order_;
  CurrentVoice voice_;
  TimerOffsets timerOffsets_;
  ProgramPorts ports_;
  VoiceClipSource clips_;
  Announcer announcer_;
  // Destroyed in reverse: the engine and dispatch go before the window they
  // drive.
  std::unique_ptr<MainWindow> window_;
  ToolWindowRegistry toolWindows_;
  std::unique_ptr<GameEngine> engine_;
  std::unique_ptr<ReaderCommands> commands_;
  std::unique_ptr<MemoTimer> memoTimer_;
  bool shutDown_ = false;
};

}  // namespace fuda
