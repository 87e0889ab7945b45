#include "frontends/qt/first_voice.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>

#include "frontends/qt/qt_text.h"
#include "core/texts/first_start_texts.h"
#include "voicegen/make_voice_status.h"
#include "voicegen/voice_script.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

// The maker renames each clip into place only when it is whole, so the
// finished clips are the visible files of the folder and its Mesg folder.
int finishedClips(const fs::path& voiceDir) {
  int count = 0;
  for (const fs::path& dir : {voiceDir, voiceDir / "Mesg"}) {
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error)) {
      const std::string name = it->path().filename().string();
      if (it->is_regular_file(error) && !name.starts_with('.') &&
          it->path().extension() != kPartialClipEnding) {
        ++count;
      }
    }
  }
  return count;
}

void tell(Language language, const QString& text) {
  QMessageBox::warning(nullptr, toQString(pick(language, texts::kFirstStartCaption)), text);
}

}  // namespace

void makeFirstVoice(const fs::path& voiceMaker, const fs::path& voiceDir,
                    Language language) {
  QProcess maker;
  maker.setProgram(QString::fromStdString(voiceMaker.string()));
  maker.setArguments({QString::fromStdString(voiceDir.string())});
  maker.setProcessChannelMode(QProcess::SeparateChannels);

  QProgressDialog dialog(toQString(pick(language, texts::kMakingVoice)),
                         toQString(pick(language, texts::kMakingVoiceCancel)), 0,
                         kVoiceClipCount);
  dialog.setWindowTitle(toQString(pick(language, texts::kFirstStartCaption)));
  dialog.setWindowModality(Qt::ApplicationModal);
  // A complete voice is recognised within milliseconds: no dialog flashes up.
  dialog.setMinimumDuration(300);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);

  QEventLoop loop;
  bool cancelled = false;
  QObject::connect(&maker, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&maker, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) loop.quit();
  });
  // The maker stops cleanly on SIGTERM, leaving its voice marked
  // incomplete; one that does not is killed.
  QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&] {
    cancelled = true;
    maker.terminate();
    QTimer::singleShot(5000, &maker, [&maker] { maker.kill(); });
  });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &dialog,
                   [&] { dialog.setValue(std::min(finishedClips(voiceDir), kVoiceClipCount - 1)); });
  maker.start();
  dialog.setValue(0);
  poll.start(100);
  loop.exec();
  poll.stop();
  // A signal to end the program leaves the loop with the maker still at
  // work; the QProcess destructor then stops it, and the voice stays
  // incomplete for the next start.
  if (maker.state() != QProcess::NotRunning) return;
  dialog.hide();

  if (maker.error() == QProcess::FailedToStart) {
    tell(language, toQString(pick(language, texts::kVoiceFailed)) + "\n\n" +
                       maker.program() + ": " + maker.errorString());
  } else if (cancelled) {
    tell(language, toQString(pick(language, texts::kVoiceCancelled)));
  } else if (maker.exitStatus() != QProcess::NormalExit ||
             (maker.exitCode() != kMakeVoiceDone && maker.exitCode() != kMakeVoiceRecordedVoice)) {
    const QString why = QString::fromUtf8(maker.readAllStandardError()).trimmed();
    tell(language, toQString(pick(language, texts::kVoiceFailed)) + "\n\n" + why);
  }
}

}  // namespace fuda
