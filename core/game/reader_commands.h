#pragma once
// Every command of the main window in one place: buttons, radio buttons, the
// title picture, the menu items and the right and middle mouse gestures on
// the background, with the refusals that belong to the dispatch itself. The
// operations called check their own conditions. (The left button's mouse
// lock is the window's own business.)
#include "core/texts/language.h"
#include "core/settings/settings_file.h"
#include "core/game/game_engine.h"
#include "core/game/reader_command.h"
#include "core/game/reader_host.h"
#include "core/ports/reader_view.h"
#include "core/game/reading_state.h"

namespace fuda {

class ReaderCommands {
 public:
  ReaderCommands(GameEngine& engine, ReadingState& state, ReaderView& view, ReaderHost& host,
                 const SettingsFile& settings, Language language);

  // GUI thread. A right double-click arrives after the RightButton of its
  // first press.
  void dispatchCommand(ReaderCommand command);

 private:
  void rightDoubleClick();
  void middleDoubleClick();
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
