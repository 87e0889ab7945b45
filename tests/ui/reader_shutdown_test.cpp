// The reader closed by its close box or by "Exit" at every moment of a game,
// with its real threads, SDL sound (dummy driver) and decoder handshake:
// during the opening, while a verse sounds, in a pause, in the automatic
// interval wait and while a decoder hangs. Each time the shutdown returns
// within one second, and the program leaves no temporary folder and no
// decoder process behind.
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include <gtest/gtest.h>

#include "tests/support/poll_until.h"
#include "frontends/qt/linux_ports.h"
#include "frontends/qt/main_window.h"
#include "frontends/qt/reader_app.h"
#include "tests/fakes/temp_folder.h"
#include "tests/support/audio_tools.h"
#include "tests/ui/ui_test_environment.h"

namespace fuda {
namespace {

using testing::TempFolder;
using Millis = std::chrono::duration<double, std::milli>;

constexpr double kClipSeconds = 0.8;
constexpr double kExitLimitMs = 1000.0;

enum class Moment { Opening, Verse, Pause, IntervalWait, Decode };
enum class Ending { CloseBox, ExitMenu, ExitButton };

const char* nameOf(Moment moment) {
  switch (moment) {
    case Moment::Opening: return "the opening";
    case Moment::Verse: return "a verse";
    case Moment::Pause: return "a pause";
    case Moment::IntervalWait: return "the interval wait";
    case Moment::Decode: return "a decode";
  }
  return "";
}

const char* nameOf(Ending ending) {
  switch (ending) {
    case Ending::CloseBox: return "close box";
    case Ending::ExitMenu: return "Exit menu item";
    case Ending::ExitButton: return "Exit button";
  }
  return "";
}

// Printed by name when a test fails.
void PrintTo(Moment moment, std::ostream* out) { *out << nameOf(moment); }
void PrintTo(Ending ending, std::ostream* out) { *out << nameOf(ending); }

// Processes the GUI thread's events until `done` holds or the limit passes.
bool processUntil(const std::function<bool()>& done, double limitMs = 20000.0) {
  return testing::pollUntil(done, Millis(limitMs), [] {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  });
}

class ReaderShutdownTest : public ::testing::TestWithParam<std::tuple<Moment, Ending>> {
 protected:
  void SetUp() override {
    testing::uiApplication();
    std::filesystem::create_directories(folder_ / "tmp");
    std::filesystem::create_directories(folder_ / "voice");
    previousTmp_ = std::getenv("TMPDIR") ? std::optional<std::string>(std::getenv("TMPDIR"))
                                         : std::nullopt;
    setenv("TMPDIR", (folder_ / "tmp").c_str(), 1);
  }
  void TearDown() override {
    if (previousTmp_)
      setenv("TMPDIR", previousTmp_->c_str(), 1);
    else
      unsetenv("TMPDIR");
  }

  // A voice of short tones; as MP3 with a decoder that hangs for `Decode`.
  void makeVoice(Moment moment) {
    const auto voice = folder_ / "voice";
    ASSERT_TRUE(testing::makeTone(voice / "I-000A.WAV", kClipSeconds, 440));
    if (moment == Moment::Decode) {
      ASSERT_TRUE(testing::encodeMp3(voice / "I-000A.WAV", voice / "I-000A.mp3"));
      std::filesystem::remove(voice / "I-000A.WAV");
      // The program directory's own "lame" is preferred to the system's.
      folder_.write("lame", "#!/bin/sh\necho $$ > " +
                                shellQuote((folder_ / "decoder.pid").string()) +
                                "\nexec sleep 60\n");
      std::filesystem::permissions(folder_ / "lame", std::filesystem::perms::owner_all);
      return;
    }
    ASSERT_TRUE(testing::makeTone(voice / "I-000B.WAV", kClipSeconds, 330));
    for (int poem = 1; poem <= 100; ++poem) {
      char name[16];
      std::snprintf(name, sizeof name, "I-%03d", poem);
      std::filesystem::copy_file(voice / "I-000A.WAV", voice / (std::string(name) + "A.WAV"));
      std::filesystem::copy_file(voice / "I-000B.WAV", voice / (std::string(name) + "B.WAV"));
    }
  }

  SdlSoundOut& sound() { return static_cast<SdlSoundOut&>(ports_->sound()); }
  bool sounding() {
    const auto placement = sound().lastPlacement();
    if (!placement) return false;
    const auto now = sound().framesOutput();
    return placement->firstFrame <= now && now < placement->endFrame;
  }
  bool gameRunning(ReaderApp& app) {
    return !app.window().control(kQuickStartButton)->isEnabled();
  }

  // Starts a game and waits for `moment`.
  bool reach(ReaderApp& app, Moment moment) {
    const QString preface = shownUpperVerse(app);
    app.program().dispatchCommand(ReaderCommand::StartWithoutMemorisation);
    switch (moment) {
      case Moment::Opening:
        return processUntil([&] { return gameRunning(app); }) && !sound().lastPlacement();
      case Moment::Verse:
        return processUntil([&] { return sounding(); });
      case Moment::Pause:
        return processUntil([&] { return sounding(); }) &&
               processUntil([&] { return !sounding(); });
      case Moment::IntervalWait:
        // The first card's upper verse has been heard whole.
        return processUntil([&] { return shownUpperVerse(app) != preface; }) &&
               processUntil([&] { return !sounding(); });
      case Moment::Decode:
        // The file exists a moment before the shell has written the pid into it.
        return processUntil([&] {
          std::ifstream pid(folder_ / "decoder.pid");
          std::string line;
          return std::getline(pid, line) && !pid.eof();
        });
    }
    return false;
  }

  int temporaryFolders() const {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "tmp"))
      count += entry.path().filename().string().rfind("fudayomi-", 0) == 0 ? 1 : 0;
    return count;
  }

  static QString shownUpperVerse(ReaderApp& app) {
    return qobject_cast<QLabel*>(app.window().control(kUpperVerseLabel))->text();
  }

  TempFolder folder_;
  std::optional<std::string> previousTmp_;
  std::unique_ptr<LinuxPorts> ports_;
};

TEST_P(ReaderShutdownTest, EndsWithinASecondAndLeavesNothingBehind) {
  const auto [moment, ending] = GetParam();
  makeVoice(moment);
  const std::string automatic = moment == Moment::IntervalWait ? "[Auto]\nAuto=1\nItvl=30\n" : "";
  folder_.write("fudayomi.ini", "[Path]\nData1=" + (folder_ / "voice").string() + "\n" + automatic);

  ports_ = std::make_unique<LinuxPorts>(Language::English, "fudayomi-");
  auto app = std::make_unique<ReaderApp>(
      Language::English, ReaderPaths{folder_ / "fudayomi.ini", folder_.path()}, *ports_);
  app->startUp();
  app->window().show();
  ASSERT_EQ(temporaryFolders(), 1);
  ASSERT_TRUE(reach(*app, moment)) << nameOf(moment);
  ASSERT_TRUE(gameRunning(*app)) << nameOf(moment);

  const auto start = std::chrono::steady_clock::now();
  switch (ending) {
    case Ending::CloseBox:
      app->window().close();
      break;
    case Ending::ExitMenu:
      app->program().dispatchCommand(ReaderCommand::Quit);
      break;
    case Ending::ExitButton:
      // While a step plays, "Exit" quits; between steps it ends the game.
      app->program().dispatchCommand(ReaderCommand::FinishReading);
      break;
  }
  ASSERT_TRUE(processUntil([&] { return !app->window().isVisible(); }, 5000.0));
  app.reset();
  ports_.reset();
  const double tookMs = Millis(std::chrono::steady_clock::now() - start).count();
  std::printf("%s during %s: %.0f ms\n", nameOf(ending), nameOf(moment), tookMs);
  EXPECT_LT(tookMs, kExitLimitMs);
  EXPECT_EQ(temporaryFolders(), 0);
  if (moment == Moment::Decode) {
    std::ifstream pidFile(folder_ / "decoder.pid");
    int decoder = 0;
    pidFile >> decoder;
    ASSERT_GT(decoder, 0);
    EXPECT_TRUE(processUntil(
        [&] {
          std::ifstream stat("/proc/" + std::to_string(decoder) + "/stat");
          std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
          const auto state = text.find(") ");
          return text.empty() || (state != std::string::npos && text[state + 2] == 'Z');
        },
        2000.0))
        << "the hung decoder outlived the program";
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryMoment, ReaderShutdownTest,
    ::testing::Values(std::tuple{Moment::Opening, Ending::CloseBox},
                      std::tuple{Moment::Opening, Ending::ExitMenu},
                      std::tuple{Moment::Verse, Ending::CloseBox},
                      std::tuple{Moment::Verse, Ending::ExitButton},
                      std::tuple{Moment::Pause, Ending::ExitMenu},
                      std::tuple{Moment::Pause, Ending::ExitButton},
                      std::tuple{Moment::IntervalWait, Ending::CloseBox},
                      std::tuple{Moment::IntervalWait, Ending::ExitMenu},
                      std::tuple{Moment::Decode, Ending::CloseBox},
                      std::tuple{Moment::Decode, Ending::ExitButton}),
    [](const auto& info) {
      std::string name = std::string(nameOf(std::get<0>(info.param))) + " " +
                         nameOf(std::get<1>(info.param));
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

}  // namespace
}  // namespace fuda
