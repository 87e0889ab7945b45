#include "memotimer/memotimer_app.h"

#include <QCoreApplication>

#include "common/ui/window_placement.h"
#include "resources/timer_texts.h"

namespace fuda {

namespace {

// A voice without clips is not reported here: the announcements report
// their missing files when they are due, and the countdown runs on.
VoiceLocation voiceFromSettings(const SettingsFile& settings) {
  return chooseVoice(settings, settings.read("Reader", "Num", "1")).location;
}

}  // namespace

MemotimerApp::MemotimerApp(Language language, const std::filesystem::path& settingsFile,
                           const std::filesystem::path& programDir, ProgramPorts& ports,
                           InputFreePause pause)
    : language_(language),
      settings_(settingsFile),
      offsets_(timerOffsets(settings_)),
      ports_(ports),
      clips_(voice_, VoiceClipPlaces{ports_.tempDir(), programDir, ports_.oggDecoding()}, ports_.shell(),
             ports_.clock(), ports_.messages(), language_,
             MissingClipNotice{MessageOwner::None, texts::kMemotimerMissingClip}),
      announcer_(ports_.threads(), clips_, ports_.sound()) {
  reportUnreadableSettings(settings_, ports_.messages(), language_);
  voice_.set(voiceFromSettings(settings_));
  clips_.setEdgeSilence(edgeSilenceSetting(settings_));
  window_ = std::make_unique<MemotimerMainWindow>(
      language_, MemotimerPorts{ports_.clock(), announcer_, std::move(pause)});
  QObject::connect(window_.get(), &MemotimerMainWindow::quitRequested, window_.get(),
                   [] { QCoreApplication::quit(); });
}

MemotimerApp::~MemotimerApp() { shutdown(); }

void MemotimerApp::show() {
  window_->show();
  placeWindowAt(window_.get(), window_->frameGeometry().topLeft() + QPoint(offsets_.x, offsets_.y));
}

void MemotimerApp::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  ports_.shutdown();
}

}  // namespace fuda
