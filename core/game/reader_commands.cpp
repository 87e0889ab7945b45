#include "core/game/reader_commands.h"

#include "core/encoding/number_text.h"
#include "core/game/read_mode.h"
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

void ReaderCommands::dispatchCommand(int id) {
  switch (id) {
    case kTitlePicture:
      if (state_.idle()) state_.orderVariant = kSecondPairOrder;
      break;
    case kAnkiStartButton:
    case kCmdAnkiStart:
      engine_.startReading(Memorisation::With);
      break;
    case kQuickStartButton:
    case kCmdQuickStart:
      engine_.startReading(Memorisation::Without);
      break;
    case kNextButton:
      engine_.readNext();
      break;
    case kExitButton:
      engine_.finishReading();
      break;
    case kManualRadio:
    case kCmdManualMode:
      setMode(ReadMode::Manual);
      break;
    case kAutoRadio:
    case kCmdAutoMode:
      setMode(ReadMode::Automatic);
      break;
    case kCmdIntervalDefault:
      // Read anew, so an edit of the settings file made meanwhile counts.
      setMode(ReadMode::Automatic, numberFromText(settings_.read("Auto", "Itvl", "3")));
      break;
    case kCmdInterval3:
      setMode(ReadMode::Automatic, 3.0);
      break;
    case kCmdInterval5:
      setMode(ReadMode::Automatic, 5.0);
      break;
    case kCmdInterval7:
      setMode(ReadMode::Automatic, 7.0);
      break;
    case kCmdInterval10:
      setMode(ReadMode::Automatic, 10.0);
      break;
    case kCmdTestReading:
      engine_.testReading();
      break;
    case kCmdCardSelection:
      openToolWindowWhenIdle("CSelect");
      break;
    case kCmdThirdGame:
      openToolWindowWhenIdle("HSelect");
      break;
    case kCmdExit:
      view_.quitProgram();
      break;
    case kCmdReader1:
      host_.selectReaderVoice("1");
      break;
    case kCmdReader2:
      host_.selectReaderVoice("2");
      break;
    case kCmdReader3:
      host_.selectReaderVoice("3");
      break;
    case kCmdReader4:
      host_.selectReaderVoice("4");
      break;
    case kCmdExportList:
      host_.exportList();
      break;
    case kCmdImportList:
      host_.importList();
      break;
    case kCmdWithdraw:
      engine_.withdrawLastReading();
      break;
    case kCmdHelp:
      host_.openHelp();
      break;
    case kCmdAbout:
      showAbout();
      break;
    case kGestureRightButton:
      engine_.rightButtonCommand();
      break;
    case kGestureRightDoubleClick:
      rightDoubleClick();
      break;
    case kGestureMiddleDoubleClick:
      middleDoubleClick();
      break;
    default:
      break;
  }
}

void ReaderCommands::rightDoubleClick() {
  if (!state_.idle()) return;
  engine_.startReading(state_.memoState.load() == kStartWithMemo ? Memorisation::With
                                                                 : Memorisation::Without);
}

void ReaderCommands::middleDoubleClick() {
  if (state_.idle()) state_.orderVariant = kFirstPairOrder;
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
