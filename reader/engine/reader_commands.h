#pragma once
// Every command of the main window in one place: buttons, radio buttons, the
// title picture, the menu items and the mouse gestures on the background,
// with the refusals that belong to the dispatch itself. The operations called
// check their own conditions.
#include "common/language.h"
#include "common/settings_file.h"
#include "reader/engine/game_engine.h"
#include "reader/engine/reader_host.h"
#include "reader/engine/reader_view.h"
#include "reader/engine/reading_state.h"

namespace fuda {

class ReaderCommands {
 public:
  ReaderCommands(GameEngine& engine, ReadingState& state, ReaderView& view, ReaderHost& host,
                 const SettingsFile& settings, Language language);

  // All methods: GUI thread.
  // A control's click, the title picture's double-click (kTitlePicture) or a
  // menu item, by id; unknown ids are ignored.
  void dispatchCommand(int id);

  // Mouse actions on the main window's own background.
  void leftButtonDown();  // mouse lock on or off
  void rightButtonDown();
  // Arrives after the rightButtonDown of its first press.
  void rightDoubleClick();
  void middleDoubleClick();

 private:
  void setMode(ReadMode mode, std::optional<double> intervalSeconds = std::nullopt);
  void openToolWindowWhenIdle(std::string_view name);
  void showAbout();

  GameEngine& engine_;
  ReadingState& state_;
  ReaderView& view_;
  ReaderHost& host_;
  const SettingsFile& settings_;
  Language language_;
};

}  // namespace fuda
