#pragma once
// Ids of the main window's controls and of the menu commands. Widgets and
// actions carry them as their objectName, in decimal.

namespace fuda {

enum ControlId : int {
  kStatusBar = 70,
  kTitlePicture = 1000,
  kButtonFrame = 1001,
  kTimingFrame = 1002,
  kStartWithMemoButton = 1003,
  kQuickStartButton = 1004,
  kNextButton = 1005,
  kExitButton = 1006,
  kTimingTrackBar = 1007,
  kUpperVerseLabel = 1008,
  kLowerVerseLabel = 1009,
  kPoetLabel = 1010,
  kTimingLabel = 1011,
  kManualRadio = 1012,
  kAutoRadio = 1013,
  kModeGroupBox = 1014,
  kKimarijiLabel = 1015,
};

enum CommandId : int {
  kCmdTestReading = 1223,
  kCmdCardSelection = 1224,
  kCmdThirdGame = 1225,
  kCmdStartWithMemo = 1226,
  kCmdQuickStart = 1227,
  kCmdExit = 1228,
  kCmdReader1 = 1229,
  kCmdReader2 = 1230,
  kCmdReader3 = 1231,
  kCmdReader4 = 1232,
  kCmdManualMode = 1233,
  kCmdAutoMode = 1234,
  kCmdIntervalDefault = 1235,
  kCmdInterval3 = 1236,
  kCmdInterval5 = 1237,
  kCmdInterval7 = 1238,
  kCmdInterval10 = 1239,
  kCmdExportList = 1240,
  kCmdImportList = 1241,
  kCmdWithdraw = 1242,
  kCmdHelp = 1243,
  kCmdAbout = 1244,
  kCmdTimerLonger = 1245,
  kCmdTimerShorter = 1246,
  kCmdTimerStartNow = 1247,
};

// Mouse gestures on the main window's background reach the same dispatch as
// the commands, under ids of their own. The double-click on the title
// picture arrives as kTitlePicture.
enum GestureId : int {
  kGestureRightButton = 2001,
  kGestureRightDoubleClick = 2002,
  kGestureMiddleDoubleClick = 2003,
};

}  // namespace fuda
