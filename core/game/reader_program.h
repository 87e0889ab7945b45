#pragma once
// The reader program without its windows: its settings, the game state, the
// card selection, the reading order, the voice and its clips, the announcer,
// the engine, the command dispatch and the memorisation, over the ports that
// main() built for its platform. A front end builds its main window (the
// ReaderView) and its tool windows, forwards every command, track bar move
// and close here, and draws what it is told.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/countdown/announcer.h"
#include "core/texts/language.h"
#include "core/ports/program_ports.h"
#include "core/settings/settings_file.h"
#include "core/settings/voice.h"
#include "core/clips/voice_clip_source.h"
#include "core/cards/card_selection.h"
#include "core/game/game_engine.h"
#include "core/countdown/memo_timer.h"
#include "core/game/reader_commands.h"
#include "core/ports/reader_front_end.h"
#include "core/game/reader_host.h"
#include "core/ports/reader_view.h"
#include "core/order/reading_order.h"
#include "core/order/reading_order_list.h"
#include "core/game/reading_state.h"

namespace fuda {

struct ReaderPaths {
  std::filesystem::path settingsFile;  // "fudayomi.ini" in the working folder
  std::filesystem::path programDir;    // where the program file lies
  // Where the list file goes; empty: beside the program.
  std::filesystem::path listDir{};
  ListPathShown listPathShown = ListPathShown::No;
  // The read-me that Help opens; empty: the help file in the working folder.
  std::filesystem::path helpFile{};
};

class ReaderProgram : private ReaderHost {
 public:
  // GUI thread. `ports`, `view` and `frontEnd` outlive the program.
  ReaderProgram(Language language, ReaderPaths paths, ProgramPorts& ports, ReaderView& view,
                ReaderFrontEnd& frontEnd);
  ~ReaderProgram() override;

  // GUI thread, once the main window is built and before it is shown: the
  // settings (with their messages), the track bar's start position and the
  // preface poem.
  void startUp();
  // GUI thread: every button, menu item and gesture of the main window.
  void dispatchCommand(ReaderCommand command);
  // GUI thread: the track bar has moved to `position`.
  void timingChanged(int position);
  // GUI thread: the game in progress as unfinishedGameBytes gives it, for
  // going on with it after the program ends; empty when no game is on.
  std::string unfinishedGame() const;
  // GUI thread: goes on with a game cut short, from unfinishedGame()'s
  // bytes: its cards are loaded and it starts without memorisation. False,
  // and nothing starts, during a game or for bytes no game can play.
  bool resumeGame(std::string_view bytes);
  // GUI thread: releases waiting message boxes, stops the sound, wakes and
  // joins the reading thread, then shuts the ports down. Runs once, when the
  // window closes or the program quits; later commands are ignored.
  void shutdown();

  // For the front end's tool windows.
  Language language() const { return language_; }
  CardSelection& selection() { return selection_; }
  MemoTimer& memoTimer() { return memoTimer_; }
  MessageSink& messages() { return ports_.messages(); }

 private:
  // ReaderHost
  void selectReaderVoice(std::string_view number) override;
  void openToolWindow(std::string_view name) override;
  void openHelp() override;
  void exportList() override;
  void importList() override;

  const std::filesystem::path& listDir() const;

  Language language_;
  ReaderPaths paths_;
  ProgramPorts& ports_;
  ReaderView& view_;
  ReaderFrontEnd& frontEnd_;
  SettingsFile settings_;
  ReadingState state_;
  CardSelection selection_;
  ReadingOrder order_;
  CurrentVoice voice_;
  VoiceClipSource clips_;
  Announcer announcer_;
  MemoTimer memoTimer_;
  GameEngine engine_;
  ReaderCommands commands_;
  bool shutDown_ = false;
};

}  // namespace fuda
