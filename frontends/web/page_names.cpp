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
    {kStartWithMemoButton, "AnkiStartButton"},
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
  ReaderCommand command;
  std::string_view name;
};

constexpr CommandName kCommandNames[] = {
    {ReaderCommand::StartWithMemorisation, "StartWithMemorisation"},
    {ReaderCommand::StartWithoutMemorisation, "StartWithoutMemorisation"},
    {ReaderCommand::ReadNext, "ReadNext"},
    {ReaderCommand::FinishReading, "FinishReading"},
    {ReaderCommand::ManualMode, "ManualMode"},
    {ReaderCommand::AutomaticMode, "AutomaticMode"},
    {ReaderCommand::IntervalFromSettings, "IntervalFromSettings"},
    {ReaderCommand::Interval3, "Interval3"},
    {ReaderCommand::Interval5, "Interval5"},
    {ReaderCommand::Interval7, "Interval7"},
    {ReaderCommand::Interval10, "Interval10"},
    {ReaderCommand::TestReading, "TestReading"},
    {ReaderCommand::OpenCardSelection, "OpenCardSelection"},
    {ReaderCommand::OpenThirdGame, "OpenThirdGame"},
    {ReaderCommand::Quit, "Quit"},
    {ReaderCommand::Reader1, "Reader1"},
    {ReaderCommand::Reader2, "Reader2"},
    {ReaderCommand::Reader3, "Reader3"},
    {ReaderCommand::Reader4, "Reader4"},
    {ReaderCommand::ExportList, "ExportList"},
    {ReaderCommand::ImportList, "ImportList"},
    {ReaderCommand::WithdrawLastReading, "WithdrawLastReading"},
    {ReaderCommand::OpenHelp, "OpenHelp"},
    {ReaderCommand::ShowAbout, "ShowAbout"},
    {ReaderCommand::RightButton, "RightButton"},
    {ReaderCommand::RightDoubleClick, "RightDoubleClick"},
    {ReaderCommand::MiddleDoubleClick, "MiddleDoubleClick"},
    {ReaderCommand::TitlePictureDoubleClick, "TitlePictureDoubleClick"},
};

struct TimerCommandName {
  int id;
  std::string_view name;
};

constexpr TimerCommandName kTimerCommandNames[] = {
    {kCmdTimerLonger, "TimerLonger"}, {kCmdTimerShorter, "TimerShorter"},
    {kCmdTimerStartNow, "TimerStartNow"}, {kCmdMemoStart, "MemoStart"},
    {kCmdMemoLengthen, "MemoLengthen"}, {kCmdMemoShorten, "MemoShorten"},
    {kCmdMemoExit, "MemoExit"},
};

struct PhaseName {
  GamePhase phase;
  std::string_view name;
};

constexpr PhaseName kPhaseNames[] = {
    {GamePhase::NoGame, "NoGame"},
    {GamePhase::Opening, "Opening"},
    {GamePhase::Reading, "Reading"},
    {GamePhase::BetweenCards, "BetweenCards"},
    {GamePhase::OpeningStopped, "OpeningStopped"},
    {GamePhase::TestReading, "TestReading"},
};

}  // namespace

std::string_view controlName(ControlId id) {
  for (const ControlName& control : kControlNames) {
    if (control.id == id) return control.name;
  }
  return {};
}

std::optional<ReaderCommand> commandNamed(std::string_view name) {
  for (const CommandName& command : kCommandNames) {
    if (command.name == name) return command.command;
  }
  return std::nullopt;
}

std::string_view commandName(ReaderCommand command) {
  for (const CommandName& entry : kCommandNames) {
    if (entry.command == command) return entry.name;
  }
  return {};
}

std::optional<int> timerCommandNamed(std::string_view name) {
  for (const TimerCommandName& command : kTimerCommandNames) {
    if (command.name == name) return command.id;
  }
  return std::nullopt;
}

std::string_view phaseName(GamePhase phase) {
  for (const PhaseName& entry : kPhaseNames) {
    if (entry.phase == phase) return entry.name;
  }
  return {};
}

}  // namespace fuda
