#pragma once
// Which command each control id, menu id and gesture id of the reader's main
// window carries. Front ends look their ids up here and pass the command on.
#include <optional>

#include "core/game/reader_command.h"
#include "core/screen/control_ids.h"

namespace fuda {

struct ReaderCommandId {
  int id;
  ReaderCommand command;
};

inline constexpr ReaderCommandId kReaderCommandIds[] = {
    {kStartWithMemoButton, ReaderCommand::StartWithMemorisation},
    {kCmdStartWithMemo, ReaderCommand::StartWithMemorisation},
    {kQuickStartButton, ReaderCommand::StartWithoutMemorisation},
    {kCmdQuickStart, ReaderCommand::StartWithoutMemorisation},
    {kNextButton, ReaderCommand::ReadNext},
    {kExitButton, ReaderCommand::FinishReading},
    {kManualRadio, ReaderCommand::ManualMode},
    {kCmdManualMode, ReaderCommand::ManualMode},
    {kAutoRadio, ReaderCommand::AutomaticMode},
    {kCmdAutoMode, ReaderCommand::AutomaticMode},
    {kCmdIntervalDefault, ReaderCommand::IntervalFromSettings},
    {kCmdInterval3, ReaderCommand::Interval3},
    {kCmdInterval5, ReaderCommand::Interval5},
    {kCmdInterval7, ReaderCommand::Interval7},
    {kCmdInterval10, ReaderCommand::Interval10},
    {kCmdTestReading, ReaderCommand::TestReading},
    {kCmdCardSelection, ReaderCommand::OpenCardSelection},
    {kCmdThirdGame, ReaderCommand::OpenThirdGame},
    {kCmdExit, ReaderCommand::Quit},
    {kCmdReader1, ReaderCommand::Reader1},
    {kCmdReader2, ReaderCommand::Reader2},
    {kCmdReader3, ReaderCommand::Reader3},
    {kCmdReader4, ReaderCommand::Reader4},
    {kCmdExportList, ReaderCommand::ExportList},
    {kCmdImportList, ReaderCommand::ImportList},
    {kCmdWithdraw, ReaderCommand::WithdrawLastReading},
    {kCmdHelp, ReaderCommand::OpenHelp},
    {kCmdAbout, ReaderCommand::ShowAbout},
    {kGestureRightButton, ReaderCommand::RightButton},
    {kGestureRightDoubleClick, ReaderCommand::RightDoubleClick},
    {kGestureMiddleDoubleClick, ReaderCommand::MiddleDoubleClick},
    {kTitlePicture, ReaderCommand::TitlePictureDoubleClick},
};

// Nothing for an id that carries no command (a label, a frame, a stray id).
constexpr std::optional<ReaderCommand> readerCommandFor(int id) {
  for (const ReaderCommandId& entry : kReaderCommandIds) {
    if (entry.id == id) return entry.command;
  }
  return std::nullopt;
}

}  // namespace fuda
