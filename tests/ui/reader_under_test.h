#pragma once
// The reader's Qt front end over fake ports, in virtual time: a reading
// thread runs inline inside the command that starts it, so a click returns
// once its step has been read. A settings file names a voice of short WAV
// clips for every verse (or only the clip that makes a folder a voice).
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <memory>
#include <string>

#include "frontends/qt/qt_text.h"
#include "frontends/qt/reader_app.h"
#include "tests/fakes/fake_program_ports.h"
#include "tests/fakes/temp_folder.h"
#include "tests/support/wav_bytes.h"
#include "tests/ui/ui_test_environment.h"

namespace fuda::testing {

enum class VoiceClips { Every, FirstOnly };

class ReaderUnderTest {
 public:
  explicit ReaderUnderTest(Language language = Language::Japanese,
                           const std::string& settings = "",
                           VoiceClips clips = VoiceClips::FirstOnly) {
    const auto voice = folder.path() / "voice";
    std::filesystem::create_directories(voice);
    if (clips == VoiceClips::FirstOnly) {
      folder.write("voice/I-000A.wav", "");
    } else {
      // 50 ms of tone for each verse.
      const auto clip = wav16(2, 44100, sine16(2205, 2, 44100, 440));
      for (int poem = 0; poem <= kPoemCount; ++poem) {
        for (char verse : {'A', 'B'}) {
          char name[16];
          std::snprintf(name, sizeof name, "I-%03d%c.WAV", poem, verse);
          writeBytes(voice / name, clip);
        }
      }
    }
    // Settings with a [Path] of their own name their own voice.
    const bool ownVoice = settings.find("[Path]") != std::string::npos;
    folder.write("fudayomi.ini",
                 (ownVoice ? "" : "[Path]\nData1=" + voice.string() + "\n") + settings);
    uiApplication();
    app = std::make_unique<ReaderApp>(language,
                                      ReaderPaths{folder.path() / "fudayomi.ini", folder.path()},
                                      ports, [this](double ms) { ports.pause(ms); });
    app->startUp();
  }

  MainWindow& window() { return app->window(); }
  QWidget* control(int id) { return window().control(id); }
  bool enabled(int id) { return control(id)->isEnabled(); }
  QString text(int id) { return qobject_cast<QLabel*>(control(id))->text(); }
  bool checked(int id) { return qobject_cast<QRadioButton*>(control(id))->isChecked(); }
  void click(int id) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(control(id)), Qt::LeftButton);
  }
  void trigger(int id) {
    QAction* action = window().menuBar()->findChild<QAction*>(QString::number(id));
    ASSERT_NE(action, nullptr) << id;
    action->trigger();
  }
  // A game of these cards in any order, without the preface's upper verse.
  void selectCards(std::initializer_list<int> poems) {
    CardSelection& selection = app->program().selection();
    selection.selectionActive = 1;
    selection.selected[0] = 0;
    for (int poem : poems) selection.selected[poem] = 1;
  }
  // The poem whose upper verse was played last.
  int lastUpperVerse() const {
    const auto played = ports.recordedSound.played();
    for (auto it = played.rbegin(); it != played.rend(); ++it) {
      if (it->size() == 6 && it->back() == 'A') return std::stoi(it->substr(2, 3));
    }
    return -1;
  }
  // Between steps, or with no game: what the buttons tell the player.
  bool waitingForNext() { return enabled(kNextButton) && !enabled(kQuickStartButton); }
  bool gameOver() { return !enabled(kNextButton) && enabled(kQuickStartButton); }
  // Runs `action` at virtual time `atMs`, from inside the reading.
  void at(double atMs, std::function<void()> action) {
    ports.virtualClock.at(atMs, std::move(action));
  }

  TempFolder folder;
  FakeProgramPorts ports;
  std::unique_ptr<ReaderApp> app;
};

}  // namespace fuda::testing
