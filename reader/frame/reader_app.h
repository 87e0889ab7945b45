#pragma once
// The reader program: owns the game state, the real adapters of the ports
// and the main window, runs the start-up settings and the shutdown sequence,
// and takes every command of the window.
#include <filesystem>
#include <memory>

#include "common/adapters/system_clock.h"
#include "common/language.h"
#include "common/settings_file.h"
#include "common/ui/qt_message_sink.h"
#include "common/voice.h"
#include "reader/cards/card_selection.h"
#include "reader/engine/reader_settings.h"
#include "reader/engine/reading_order.h"
#include "reader/engine/reading_state.h"

namespace fuda {

class MainWindow;

struct ReaderPaths {
  std::filesystem::path settingsFile;  // "fudayomi.ini" in the working folder
  std::filesystem::path programDir;    // where the program file lies
};

class ReaderApp {
 public:
  ReaderApp(Language language, ReaderPaths paths);
  ~ReaderApp();

  // GUI thread: builds the window and runs the start-up settings. The window
  // is shown by the caller.
  MainWindow& window() { return *window_; }
  // GUI thread: every button, menu item and gesture.
  void dispatchCommand(int id);

  ReadingState& state() { return state_; }
  CardSelection& selection() { return selection_; }
  const TimerOffsets& timerOffsets() const { return timerOffsets_; }
  const CurrentVoice& voice() const { return voice_; }

 private:
  void startUp();
  void timingChanged(int position);
  void showPoem(int poemNumber);
  void shutdown();

  Language language_;
  ReaderPaths paths_;
  SettingsFile settings_;
  ReadingState state_;
  CardSelection selection_;
  ReadingOrder order_;
  CurrentVoice voice_;
  TimerOffsets timerOffsets_;
  QtMessageSink messages_;
  SystemClock clock_;
  std::unique_ptr<MainWindow> window_;
  bool shutDown_ = false;
};

}  // namespace fuda
