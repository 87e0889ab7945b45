#include "core/game/reader_program.h"

#include "core/cards/poem_table.h"
#include "core/settings/reader_settings.h"
#include "core/texts/main_window_texts.h"

namespace fuda {

ReaderProgram::ReaderProgram(Language language, ReaderPaths paths, ProgramPorts& ports,
                             ReaderView& view, ReaderFrontEnd& frontEnd)
    : language_(language),
      paths_(std::move(paths)),
      ports_(ports),
      view_(view),
      frontEnd_(frontEnd),
      settings_(paths_.settingsFile),
      clips_(voice_, {ports_.tempDir(), paths_.programDir, ports_.oggDecoder()}, ports_.shell(),
             ports_.clock(),
             ports_.messages(), language_),
      announcer_(ports_.threads(), clips_, ports_.sound()),
      memoTimer_(selection_, ports_.clock(), announcer_, frontEnd_),
      engine_(state_, selection_, order_,
              GameEnginePorts{ports_.clock(), ports_.sound(), clips_, view_, ports_.threads(),
                              memoTimer_},
              language_),
      commands_(engine_, state_, view_, static_cast<ReaderHost&>(*this), settings_, language_) {}

ReaderProgram::~ReaderProgram() { shutdown(); }

void ReaderProgram::startUp() {
  engine_.resetGame();
  memoTimer_.setOffsets(loadSettings(settings_, state_, voice_, view_, language_));
  clips_.setEdgeSilence(edgeSilenceSetting(settings_));
  engine_.pauseSlider().reset();
  engine_.showPrefacePoem();
  view_.showPhase(GamePhase::NoGame);
}

void ReaderProgram::dispatchCommand(ReaderCommand command) {
  if (shutDown_) return;
  commands_.dispatchCommand(command);
}

void ReaderProgram::timingChanged(int position) {
  if (shutDown_) return;
  engine_.pauseSlider().moved(position);
}

void ReaderProgram::selectReaderVoice(std::string_view number) {
  fuda::selectReaderVoice(settings_, number, voice_, ports_.messages(), language_);
}

std::string ReaderProgram::unfinishedGame() const {
  return unfinishedGameBytes(order_, state_, language_, PoemTable::forLanguage(language_));
}

bool ReaderProgram::resumeGame(std::string_view bytes) {
  if (!resumeReadingOrder(order_, selection_, state_, bytes, language_)) return false;
  dispatchCommand(ReaderCommand::StartWithoutMemorisation);
  return true;
}

void ReaderProgram::openToolWindow(std::string_view name) { frontEnd_.openToolWindow(name); }

void ReaderProgram::openHelp() {
  // Where the programs ship a read-me, the help is that read-me.
  frontEnd_.openHelp(paths_.helpFile.empty() ? std::filesystem::absolute(texts::kHelpFileName)
                                             : paths_.helpFile);
}

void ReaderProgram::exportList() {
  readingOrderExport(order_, state_, listDir(), language_, PoemTable::forLanguage(language_),
                     ports_.messages(), paths_.listPathShown);
}

void ReaderProgram::importList() {
  readingOrderImport(order_, selection_, state_, listDir(), language_, ports_.messages());
}

const std::filesystem::path& ReaderProgram::listDir() const {
  return paths_.listDir.empty() ? paths_.programDir : paths_.listDir;
}

void ReaderProgram::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  view_.releasePointer();
  engine_.shutdown();
  // Message boxes are let go first, so a reading thread waiting on one can
  // end and be joined.
  ports_.shutdown();
}

}  // namespace fuda
