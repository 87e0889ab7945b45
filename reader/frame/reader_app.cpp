#include "reader/frame/reader_app.h"

#include <QDesktopServices>
#include <QSlider>
#include <QUrl>

#include "common/text_encoding.h"
#include "reader/cards/poem_table.h"
#include "reader/engine/timing_adjustment.h"
#include "reader/frame/main_window.h"
#include "resources/main_window_texts.h"

namespace fuda {

ReaderApp::ReaderApp(Language language, ReaderPaths paths)
    : language_(language),
      paths_(std::move(paths)),
      settings_(paths_.settingsFile),
      window_(std::make_unique<MainWindow>(language, messages_, state_.mouseLock)) {
  QObject::connect(window_.get(), &MainWindow::commandIssued, window_.get(),
                   [this](int id) { dispatchCommand(id); });
  QObject::connect(window_.get(), &MainWindow::trackBarMoved, window_.get(),
                   [this](int position) { timingChanged(position); });
  window_->setCloseHandler([this] { shutdown(); });
  startUp();
}

ReaderApp::~ReaderApp() { shutdown(); }

void ReaderApp::startUp() {
  MainWindow& view = *window_;
  // The game reset: no game, no selection, mouse lock off.
  state_.running = 0;
  state_.busy = kIdle;
  state_.orderVariant = 0;
  state_.orderPrepared = 0;
  selection_.reset();
  view.releasePointer();

  timerOffsets_ = loadSettings(settings_, state_, voice_, view, language_);

  state_.timingPause = kTimingPauseStart;
  {
    // The start position is set quietly: the label is written just below.
    const QSignalBlocker quiet(view.trackBar());
    view.trackBar()->setValue(kTimingTrackBarStart);
  }
  view.setText(kTimingLabel, timingLabel(language_, state_.timingPause));
  showPoem(0);
  view.setEnabled(kNextButton, Enablement::Disabled);
}

void ReaderApp::showPoem(int poemNumber) {
  const Poem& poem = PoemTable::forLanguage(language_)[poemNumber];
  window_->setText(kKimarijiLabel, poem.kimariji);
  window_->setText(kUpperVerseLabel, poem.upperVerse);
  window_->setText(kLowerVerseLabel, poem.lowerVerse);
  window_->setText(kPoetLabel, poem.poet);
}

void ReaderApp::timingChanged(int position) {
  // The pause does not change while a step plays.
  if (state_.busy.load() != kIdle) return;
  state_.timingPause = timingPauseFor(position);
  window_->setText(kTimingLabel, timingLabel(language_, state_.timingPause));
}

void ReaderApp::dispatchCommand(int id) {
  switch (id) {
    case kCmdExit:
      window_->close();
      break;
    case kCmdHelp:
      // The result is not reported: a missing help file simply opens nothing.
      QDesktopServices::openUrl(QUrl::fromLocalFile(
          QString::fromStdString(std::filesystem::absolute(texts::kHelpFileName).string())));
      break;
    case kCmdAbout:
      window_->showMessage(pick(language_, texts::kAboutCaption),
                           pick(language_, texts::kAboutText));
      break;
    default:
      break;
  }
}

void ReaderApp::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  messages_.shutdown();
  clock_.shutdown();
}

}  // namespace fuda
