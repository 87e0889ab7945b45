#include "frontends/web/page_names.h"

namespace fuda {

namespace {

struct ControlName {
  ControlId id;
  std::string_view name;
};

constexpr ControlName kControlNames[] = {
    {kStatusBar, "StatusBar"},
    {kTitlePicture, "TitlePicture"},
    {kButtonFrame, "ButtonFrame"},
    {kTimingFrame, "TimingFrame"},
    {kAnkiStartButton, "AnkiStartButton"},
    {kQuickStartButton, "QuickStartButton"},
    {kNextButton, "NextButton"},
    {kExitButton, "ExitButton"},
    {kTimingTrackBar, "TimingTrackBar"},
    {kUpperVerseLabel, "UpperVerseLabel"},
    {kLowerVerseLabel, "LowerVerseLabel"},
    {kPoetLabel, "PoetLabel"},
    {kTimingLabel, "TimingLabel"},
    {kManualRadio, "ManualRadio"},
    {kAutoRadio, "AutoRadio"},
    {kModeGroupBox, "ModeGroupBox"},
    {kKimarijiLabel, "KimarijiLabel"},
};

struct CommandName {
  std::string_view name;
  int id;
};

// The commands by the names of the core's ReaderCommand, with every id a
// desktop window sends for each; the first is the one sent from the page.
constexpr CommandName kCommandNames[] = {
    {"StartWithMemorisation", kAnkiStartButton},
    {"StartWithMemorisation", kCmdAnkiStart},
    {"StartWithoutMemorisation", kQuickStartButton},
    {"StartWithoutMemorisation", kCmdQuickStart},
    {"ReadNext", kNextButton},
    {"FinishReading", kExitButton},
    {"ManualMode", kManualRadio},
    {"ManualMode", kCmdManualMode},
    {"AutomaticMode", kAutoRadio},
    {"AutomaticMode", kCmdAutoMode},
    {"IntervalFromSettings", kCmdIntervalDefault},
    {"Interval3", kCmdInterval3},
    {"Interval5", kCmdInterval5},
    {"Interval7", kCmdInterval7},
    {"Interval10", kCmdInterval10},
    {"TestReading", kCmdTestReading},
    {"OpenCardSelection", kCmdCardSelection},
    {"OpenThirdGame", kCmdThirdGame},
    {"Quit", kCmdExit},
    {"Reader1", kCmdReader1},
    {"Reader2", kCmdReader2},
    {"Reader3", kCmdReader3},
    {"Reader4", kCmdReader4},
    {"ExportList", kCmdExportList},
    {"ImportList", kCmdImportList},
    {"WithdrawLastReading", kCmdWithdraw},
    {"OpenHelp", kCmdHelp},
    {"ShowAbout", kCmdAbout},
    {"RightButton", kGestureRightButton},
    {"RightDoubleClick", kGestureRightDoubleClick},
    {"MiddleDoubleClick", kGestureMiddleDoubleClick},
    {"TitlePictureDoubleClick", kTitlePicture},
};

}  // namespace

std::string_view controlName(ControlId id) {
  for (const ControlName& control : kControlNames) {
    if (control.id == id) return control.name;
  }
  return {};
}

std::optional<int> commandId(std::string_view name) {
  for (const CommandName& command : kCommandNames) {
    if (command.name == name) return command.id;
  }
  return std::nullopt;
}

std::string_view commandName(int id) {
  for (const CommandName& command : kCommandNames) {
    if (command.id == id) return command.name;
  }
  return {};
}

}  // namespace fuda
