#include "reader/frame/reader_app.h"

#include <QDesktopServices>
#include <QSignalBlocker>
#include <QSlider>
#include <QUrl>

#include "reader/cards/card_selection_dialog.h"
#include "reader/cards/poem_table.h"
#include "reader/cards/third_game_dialog.h"
#include "reader/engine/reading_order_list.h"
#include "reader/engine/timing_adjustment.h"
#include "reader/frame/main_window.h"
#include "resources/main_window_texts.h"

namespace fuda {

ReaderApp::ReaderApp(Language language, ReaderPaths paths)
    : language_(language),
      paths_(std::move(paths)),
      settings_(paths_.settingsFile),
      ports_(language_, "fudayomi-"),
      clips_(voice_, {ports_.tempDir.path(), paths_.programDir}, ports_.shell, ports_.clock,
             ports_.messages, language_),
      announcer_(ports_.threads, clips_, ports_.sound),
      window_(std::make_unique<MainWindow>(language, ports_.messages, state_.mouseLock)),
      toolWindows_(language) {
  registerCardSelectionDialog(toolWindows_, selection_, ports_.messages);
  registerThirdGameDialog(toolWindows_, selection_, ports_.messages);
  engine_ = std::make_unique<GameEngine>(
      state_, selection_, order_,
      GameEnginePorts{ports_.clock, ports_.sound, clips_, *window_, ports_.threads,
                      static_cast<MemoTimerHost&>(*this)},
      language_);
  commands_ = std::make_unique<ReaderCommands>(
      *engine_, state_, *window_, static_cast<ReaderHost&>(*this), settings_, language_);
  QObject::connect(window_.get(), &MainWindow::commandIssued, window_.get(),
                   [this](int id) { dispatchCommand(id); });
  QObject::connect(window_.get(), &MainWindow::trackBarMoved, window_.get(),
                   [this](int position) { timingChanged(position); });
  window_->setCloseHandler([this] { shutdown(); });
  startUp();
  memoTimer_ = std::make_unique<MemoTimer>(MemoTimerSetup{
      window_.get(), state_.memoState, selection_.thirdChoice,
      QPoint(timerOffsets_.x, timerOffsets_.y), ports_.clock, announcer_, &waitWithoutInput,
      [this](QWidget* owner, std::string_view name) {
        return showToolWindow(owner, name, toolWindows_);
      }});
  registerMemoTimerWindow(toolWindows_, *memoTimer_);
}

ReaderApp::~ReaderApp() { shutdown(); }

void ReaderApp::startUp() {
  MainWindow& view = *window_;
  engine_->resetGame();
  timerOffsets_ = loadSettings(settings_, state_, voice_, view, language_);
  clips_.setEdgeSilence(edgeSilenceSetting(settings_));

  state_.timingPause = kTimingPauseStart;
  {
    // The start position is set quietly: the label is written just below.
    const QSignalBlocker quiet(view.trackBar());
    view.trackBar()->setValue(kTimingTrackBarStart);
  }
  view.setText(kTimingLabel, timingLabel(language_, state_.timingPause));
  engine_->showPrefacePoem();
  view.setEnabled(kNextButton, Enablement::Disabled);
}

void ReaderApp::dispatchCommand(int id) {
  if (shutDown_) return;
  commands_->dispatchCommand(id);
}

void ReaderApp::timingChanged(int position) {
  // The pause does not change while a step plays.
  if (state_.busy.load() != kIdle) return;
  state_.timingPause = timingPauseFor(position);
  window_->setText(kTimingLabel, timingLabel(language_, state_.timingPause));
}

void ReaderApp::selectReaderVoice(std::string_view number) {
  fuda::selectReaderVoice(settings_, number, voice_, ports_.messages, language_);
}

void ReaderApp::openToolWindow(std::string_view name) {
  showToolWindow(window_.get(), name, toolWindows_);
}

void ReaderApp::openHelp() {
  // The result is not reported: a missing help file simply opens nothing.
  // Installed, the help is the README shipped with the programs.
  const auto help = paths_.sharedDataDir.empty()
                        ? std::filesystem::absolute(texts::kHelpFileName)
                        : paths_.sharedDataDir / "README.md";
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(help.string())));
}

void ReaderApp::exportList() {
  readingOrderExport(order_, state_, listDir(), language_,
                     PoemTable::forLanguage(language_), ports_.messages, paths_.listPathShown);
}

void ReaderApp::importList() {
  readingOrderImport(order_, selection_, state_, listDir(), language_, ports_.messages);
}

const std::filesystem::path& ReaderApp::listDir() const {
  return paths_.listDir.empty() ? paths_.programDir : paths_.listDir;
}

void ReaderApp::openMemoTimer() { memoTimer_->openMemoTimer(); }

void ReaderApp::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  // Message boxes first: a reading thread waiting on one must be let go
  // before it can be joined.
  ports_.messages.shutdown();
  window_->mouseLock().release();
  engine_->shutdown();
  ports_.shutdown();
}

}  // namespace fuda
