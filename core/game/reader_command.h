#pragma once
// What the player asks of the reader, whichever control, menu item or mouse
// gesture carried it. Each front end turns its ids into these at its edge
// (readerCommandFor in core/screen/reader_command_ids.h).

namespace fuda {

enum class ReaderCommand {
  StartWithMemorisation,
  StartWithoutMemorisation,
  ReadNext,
  // "Exit": ends the game after the current card, or quits when none waits.
  FinishReading,
  ManualMode,
  AutomaticMode,
  // Automatic mode with the interval read anew from the settings file.
  IntervalFromSettings,
  Interval3,
  Interval5,
  Interval7,
  Interval10,
  TestReading,
  OpenCardSelection,
  OpenThirdGame,
  Quit,
  Reader1,
  Reader2,
  Reader3,
  Reader4,
  ExportList,
  ImportList,
  WithdrawLastReading,
  OpenHelp,
  ShowAbout,
  // Mouse gestures on the main window's background and title picture.
  RightButton,
  RightDoubleClick,
  MiddleDoubleClick,
  TitlePictureDoubleClick,
};

}  // namespace fuda
