#include "memotimer/memotimer_app.h"

#include <QCoreApplication>

#include "common/number_text.h"
#include "common/ui/window_placement.h"
#include "resources/timer_texts.h"

namespace fuda {

namespace {

QPoint timerOffset(const SettingsFile& settings) {
  return {integerFromText(settings.read("Timer", "Posx", "180")),
          integerFromText(settings.read("Timer", "Posy", "340"))};
}

// A voice without clips is not reported here: the announcements report
// their missing files when they are due, and the countdown runs on.
VoiceLocation voiceFromSettings(const SettingsFile& settings) {
  return chooseVoice(settings, settings.read("Reader", "Num", "1")).location;
}

}  // namespace

MemotimerApp::MemotimerApp(Language language, const std::filesystem::path& settingsFile,
                           const std::filesystem::path& programDir)
    : language_(language),
      settings_(settingsFile),
      offset_(timerOffset(settings_)),
      tempDir_("memotimer-"),
      sound_(clock_, messages_, language_),
      clips_(voice_, VoiceClipPlaces{tempDir_.path(), programDir}, shell_, clock_, messages_,
             language_, MissingClipNotice{MessageOwner::None, texts::kMemotimerMissingClip}),
      announcer_(threads_, clips_, sound_) {
  reportUnreadableSettings(settings_, messages_, language_);
  voice_.set(voiceFromSettings(settings_));
  clips_.setEdgeSilence(edgeSilenceSetting(settings_));
  window_ = std::make_unique<MemotimerWindow>(
      language_, MemotimerPorts{clock_, announcer_, &waitWithoutInput});
  QObject::connect(window_.get(), &MemotimerWindow::quitRequested, window_.get(),
                   [] { QCoreApplication::quit(); });
}

MemotimerApp::~MemotimerApp() { shutdown(); }

void MemotimerApp::show() {
  window_->show();
  placeWindowAt(window_.get(), window_->frameGeometry().topLeft() + offset_);
}

void MemotimerApp::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  messages_.shutdown();
  sound_.shutdown();
  shell_.stopScripts();
  clock_.shutdown();
  threads_.joinAll();
}

}  // namespace fuda
