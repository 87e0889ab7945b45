#include "frontends/qt/memotimer_app.h"

#include <QCoreApplication>

#include "frontends/qt/window_placement.h"

namespace fuda {

MemotimerApp::MemotimerApp(Language language, const std::filesystem::path& settingsFile,
                           const std::filesystem::path& programDir, ProgramPorts& ports,
                           InputFreePause pause)
    : ports_(ports),
      program_(language, settingsFile, programDir, ports),
      window_(std::make_unique<MemotimerMainWindow>(
          language, MemotimerPorts{ports.clock(), program_.announcer(), std::move(pause)})) {
  QObject::connect(window_.get(), &MemotimerMainWindow::quitRequested, window_.get(),
                   [] { QCoreApplication::quit(); });
}

MemotimerApp::~MemotimerApp() { shutdown(); }

void MemotimerApp::show() {
  window_->show();
  const TimerOffsets offsets = program_.offsets();
  placeWindowAt(window_.get(), window_->frameGeometry().topLeft() + QPoint(offsets.x, offsets.y));
}

void MemotimerApp::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  ports_.shutdown();
}

}  // namespace fuda
