#include "core/game/reader_commands.h"

#include "core/encoding/number_text.h"
#include "core/game/read_mode.h"
#include "core/screen/tool_window_names.h"
#include "core/texts/main_window_texts.h"

namespace fuda {

ReaderCommands::ReaderCommands(GameEngine& engine, ReadingState& state, ReaderView& view,
                               ReaderHost& host, const SettingsFile& settings,
                               Language language)
    : engine_(engine),
      state_(state),
      view_(view),
      host_(host),
      settings_(settings),
      language_(language) {}

void ReaderCommands::dispatchCommand(ReaderCommand command) {
  switch (command) {
    case ReaderCommand::TitlePictureDoubleClick:
      if (state_.idle()) state_.orderVariant = OrderVariant::SecondPairOrder;
      break;
    case ReaderCommand::StartWithMemorisation:
      engine_.startReading(Memorisation::With);
      break;
    case ReaderCommand::StartWithoutMemorisation:
      engine_.startReading(Memorisation::Without);
      break;
    case ReaderCommand::ReadNext:
      engine_.readNext();
      break;
    case ReaderCommand::FinishReading:
      engine_.finishReading();
      break;
    case ReaderCommand::ManualMode:
      setMode(ReadMode::Manual);
      break;
    case ReaderCommand::AutomaticMode:
      setMode(ReadMode::Automatic);
      break;
    case ReaderCommand::IntervalFromSettings:
      // Read anew, so an edit of the settings file made meanwhile counts.
      setMode(ReadMode::Automatic, numberFromText(settings_.read("Auto", "Itvl", "3")));
      break;
    case ReaderCommand::Interval3:
      setMode(ReadMode::Automatic, 3.0);
      break;
    case ReaderCommand::Interval5:
      setMode(ReadMode::Automatic, 5.0);
      break;
    case ReaderCommand::Interval7:
      setMode(ReadMode::Automatic, 7.0);
      break;
    case ReaderCommand::Interval10:
      setMode(ReadMode::Automatic, 10.0);
      break;
    case ReaderCommand::TestReading:
      engine_.testReading();
      break;
    case ReaderCommand::OpenCardSelection:
      openToolWindowWhenIdle(kCardSelectionWindowName);
      break;
    case ReaderCommand::OpenThirdGame:
      openToolWindowWhenIdle(kThirdGameWindowName);
      break;
    case ReaderCommand::Quit:
      view_.quitProgram();
      break;
    case ReaderCommand::Reader1:
      host_.selectReaderVoice("1");
      break;
    case ReaderCommand::Reader2:
      host_.selectReaderVoice("2");
      break;
    case ReaderCommand::Reader3:
      host_.selectReaderVoice("3");
      break;
    case ReaderCommand::Reader4:
      host_.selectReaderVoice("4");
      break;
    case ReaderCommand::ExportList:
      host_.exportList();
      break;
    case ReaderCommand::ImportList:
      host_.importList();
      break;
    case ReaderCommand::WithdrawLastReading:
      engine_.withdrawLastReading();
      break;
    case ReaderCommand::OpenHelp:
      host_.openHelp();
      break;
    case ReaderCommand::ShowAbout:
      showAbout();
      break;
    case ReaderCommand::RightButton:
      engine_.rightButtonCommand();
      break;
    case ReaderCommand::RightDoubleClick:
      rightDoubleClick();
      break;
    case ReaderCommand::MiddleDoubleClick:
      middleDoubleClick();
      break;
  }
}

void ReaderCommands::rightDoubleClick() {
  if (!state_.idle()) return;
  engine_.startReading(state_.memoState.load() == MemoState::StartWithMemo ? Memorisation::With
                                                                           : Memorisation::Without);
}

void ReaderCommands::middleDoubleClick() {
  if (state_.idle()) state_.orderVariant = OrderVariant::FirstPairOrder;
}

void ReaderCommands::setMode(ReadMode mode, std::optional<double> intervalSeconds) {
  setReadMode(state_, view_, mode, intervalSeconds);
}

void ReaderCommands::openToolWindowWhenIdle(std::string_view name) {
  if (state_.idle()) host_.openToolWindow(name);
}

void ReaderCommands::showAbout() {
  view_.showMessage(pick(language_, texts::kAboutCaption), pick(language_, texts::kAboutText),
                    MessageOwner::MainWindow);
}

}  // namespace fuda
