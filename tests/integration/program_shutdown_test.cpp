// The real reader program ended from outside at any moment: SIGTERM, SIGINT
// and SIGHUP while idle, in a start-up message box, during the opening, while
// a verse sounds, in a pause, in the automatic interval wait and while a
// decoder runs. Each time the process must end within one second with exit
// code 0, without a sanitizer report, and leave no temporary folder and no
// decoder process behind. Games are started by clicking "Start quickly" on a
// virtual X display; without Xvfb and xdotool those cases are skipped.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "tests/fakes/temp_folder.h"
#include "tests/integration/program_process.h"
#include "tests/support/audio_tools.h"
#include "tests/support/wav_bytes.h"

namespace fuda::testing {
namespace {

constexpr double kClipSeconds = 0.8;
constexpr std::size_t kFrameBytes = 4;  // the disk driver's 16-bit stereo
constexpr double kRate = 44100.0;
const Millis kExitLimit{1000.0};

// A sine tone in the device's own format, as a WAV file's bytes.
std::vector<std::uint8_t> toneWav(double seconds, double hz) {
  std::vector<std::uint8_t> data;
  const auto frames = static_cast<std::size_t>(seconds * kRate);
  for (std::size_t i = 0; i < frames; ++i) {
    const auto sample = static_cast<std::int16_t>(
        std::lround(16000.0 * std::sin(2.0 * M_PI * hz * static_cast<double>(i) / kRate)));
    for (int channel = 0; channel < 2; ++channel) {
      data.push_back(static_cast<std::uint8_t>(sample & 0xFF));
      data.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
    }
  }
  return WavBuilder().format(1, 2, 44100, 16).data(data).bytes();
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

enum class Start { Idle, ClickStartQuickly, ClickAnkiAndStart };

struct ProgramOptions {
  std::string settings;          // fudayomi.ini
  bool mp3Voice = false;         // the voice as MP3 with a decoder that hangs
  bool emptyVoice = false;       // no clips: a message box at start-up
};

class ProgramShutdownTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shared_ = new TempFolder;
    display_ = new VirtualDisplay(shared_->path());
    const auto voice = shared_->path() / "voice";
    std::filesystem::create_directories(voice);
    writeBytes(voice / "I-000A.WAV", toneWav(kClipSeconds, 440));
    writeBytes(voice / "I-000B.WAV", toneWav(kClipSeconds, 330));
    for (int poem = 1; poem <= 100; ++poem) {
      char name[16];
      std::snprintf(name, sizeof name, "I-%03d", poem);
      std::filesystem::copy_file(voice / "I-000A.WAV", voice / (std::string(name) + "A.WAV"));
      std::filesystem::copy_file(voice / "I-000B.WAV", voice / (std::string(name) + "B.WAV"));
    }
    // The memorisation countdown's announcements.
    std::filesystem::create_directories(voice / "Mesg");
    for (const char* name : {"anki_s", "anki_5", "nifun", "shiai_s"})
      writeBytes(voice / "Mesg" / (std::string(name) + ".WAV"), toneWav(kClipSeconds, 660));
  }
  static void TearDownTestSuite() {
    delete display_;
    delete shared_;
    display_ = nullptr;
    shared_ = nullptr;
  }

  void SetUp() override {
    for (const char* dir : {"work", "tmp", "runtime", "bin", "mp3"})
      std::filesystem::create_directories(folder_ / dir);
    std::filesystem::permissions(folder_ / "runtime", std::filesystem::perms::owner_all);
  }

  // Starts the program; with Start::ClickStartQuickly also starts a game.
  bool launch(const ProgramOptions& options, Start start,
              const char* program = FUDA_READER_PROGRAM) {
    if (start != Start::Idle && !display_->available()) return false;
    std::string voice = (shared_->path() / "voice").string();
    if (options.emptyVoice) voice = (folder_ / "novoice").string();
    if (options.mp3Voice) {
      voice = (folder_ / "mp3").string();
      const auto wav = folder_ / "mp3" / "I-000A.WAV";
      writeBytes(wav, toneWav(kClipSeconds, 440));
      if (!encodeMp3(wav, folder_ / "mp3" / "I-000A.mp3")) return false;
      std::filesystem::remove(wav);
      // Found on PATH by the decoder script: it notes its pid and hangs.
      folder_.write("bin/lame", "#!/bin/sh\necho $$ > " +
                                    shellQuote((folder_ / "decoder.pid").string()) +
                                    "\nexec sleep 60\n");
      std::filesystem::permissions(folder_ / "bin" / "lame", std::filesystem::perms::owner_all);
    }
    folder_.write("work/fudayomi.ini", "[Path]\nData1=" + voice + "\n" + options.settings);

    std::vector<std::string> env = {
        "TMPDIR=" + (folder_ / "tmp").string(),
        "XDG_RUNTIME_DIR=" + (folder_ / "runtime").string(),
        "SDL_AUDIODRIVER=disk",
        "SDL_DISKAUDIOFILE=" + output().string(),
        "PATH=" + (folder_ / "bin").string() + ":" + std::string(std::getenv("PATH")),
    };
    if (start != Start::Idle) {
      env.push_back("QT_QPA_PLATFORM=xcb");
      env.push_back("DISPLAY=" + display_->name());
    } else {
      env.push_back("QT_QPA_PLATFORM=offscreen");
    }
    pid_ = spawnProcess({program}, env, folder_ / "work", log());
    if (pid_ <= 0) return false;
    // The private temporary folder exists once the program is up.
    if (!waitFor([&] { return temporaryFolders() > 0; }, Millis(20000))) return false;
    if (start == Start::Idle) return waitFor([&] { return outputSeconds() > 0.3; }, Millis(20000));

    const auto window = display_->xdotool("search --sync --name '^fudayomi$'");
    if (!window || window->empty()) return false;
    // "Start quickly": client (50, 160), 100 x 30; "Anki and Start": client
    // (50, 110); both below the menu bar.
    const std::string y = start == Start::ClickStartQuickly ? "200" : "150";
    return display_->xdotool("mousemove --window " + *window + " 100 " + y + " click 1")
        .has_value();
  }

  std::filesystem::path output() const { return folder_ / "output.raw"; }
  std::filesystem::path log() const { return folder_ / "program.log"; }

  double outputSeconds() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(output(), error);
    return error ? 0.0 : static_cast<double>(size) / (kRate * kFrameBytes);
  }
  // Whether the last 20 ms written are sound rather than silence.
  bool sounding() const {
    std::ifstream in(output(), std::ios::binary | std::ios::ate);
    const std::streamoff size = in.tellg();
    const std::streamoff tail = static_cast<std::streamoff>(kRate * 0.02) * kFrameBytes;
    if (size < tail) return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(tail));
    in.seekg(size - tail);
    in.read(reinterpret_cast<char*>(bytes.data()), tail);
    for (std::int16_t sample : samples16(bytes.data(), bytes.size()))
      if (std::abs(sample) > 1000) return true;
    return false;
  }
  // Waits for the start of the n-th verse heard from now, or for its end.
  bool waitForVerse() { return waitFor([&] { return sounding(); }, Millis(20000)); }
  bool waitForSilence() { return waitFor([&] { return !sounding(); }, Millis(20000)); }

  int temporaryFolders() const {
    int count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "tmp", error))
      for (const char* prefix : {"fudayomi-", "memotimer-"})
        count += entry.path().filename().string().rfind(prefix, 0) == 0 ? 1 : 0;
    return count;
  }
  bool decoderRunning() const {
    return waitFor(
        [&] {
          std::error_code error;
          for (const auto& entry : std::filesystem::directory_iterator(folder_ / "tmp", error))
            if (std::filesystem::exists(entry.path() / kDecodeScriptName)) return true;
          return false;
        },
        Millis(20000));
  }

  // Sends `signal` and checks how the program ends.
  void endWith(int signal, const char* moment) {
    ASSERT_GT(pid_, 0);
    const auto sent = std::chrono::steady_clock::now();
    ASSERT_EQ(kill(pid_, signal), 0);
    const Ending ending = waitForExit(pid_, Millis(10000));
    const Millis took = since(sent);
    if (!ending.ended) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
    std::printf("shutdown on %s %s: %.0f ms\n", sigabbrev_np(signal), moment, took.count());
    RecordProperty(std::string("ms_") + sigabbrev_np(signal), static_cast<int>(took.count()));
    ASSERT_TRUE(ending.ended) << moment;
    EXPECT_LT(took.count(), kExitLimit.count()) << moment;
    EXPECT_TRUE(ending.exitedNormally) << moment << ": ended by signal " << ending.signal;
    EXPECT_EQ(ending.exitCode, 0) << moment;
    const std::string output = fileText(log());
    EXPECT_EQ(output.find("Sanitizer"), std::string::npos) << output;
    EXPECT_EQ(output.find("runtime error"), std::string::npos) << output;
    EXPECT_EQ(temporaryFolders(), 0) << moment << ": the temporary folder was left behind";
  }

  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  static TempFolder* shared_;
  static VirtualDisplay* display_;
  TempFolder folder_;
  pid_t pid_ = -1;
};

TempFolder* ProgramShutdownTest::shared_ = nullptr;
VirtualDisplay* ProgramShutdownTest::display_ = nullptr;

// Under ThreadSanitizer the program is left to the offscreen platform: on X,
// Qt's own threads (D-Bus, XCB) synchronise through locks TSan cannot see,
// and every start-up would be reported. The engine's shutdown at each moment
// is proven under TSan without Qt (engine_shutdown_test).
#if defined(__SANITIZE_THREAD__)
#define REQUIRE_DISPLAY() GTEST_SKIP() << "Qt on X under ThreadSanitizer"
#else
#define REQUIRE_DISPLAY()                                                          \
  if (!display_->available()) GTEST_SKIP() << "no Xvfb and xdotool to start a game"
#endif

TEST_F(ProgramShutdownTest, EachSignalWhileIdle) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    ASSERT_TRUE(launch({}, Start::Idle)) << fileText(log());
    endWith(signal, "while idle");
  }
}

TEST_F(ProgramShutdownTest, SigtermInTheStartUpMessageBox) {
  // A voice without clips: "File not Found!" waits for OK before the window
  // is shown.
  ASSERT_TRUE(launch({"", false, true}, Start::Idle)) << fileText(log());
  endWith(SIGTERM, "in the start-up message box");
}

TEST_F(ProgramShutdownTest, SigtermDuringTheOpening) {
  REQUIRE_DISPLAY();
  ASSERT_TRUE(launch({}, Start::ClickStartQuickly)) << fileText(log());
  // Within the second of silence before the preface poem.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_FALSE(sounding());
  endWith(SIGTERM, "during the opening");
}

TEST_F(ProgramShutdownTest, SigintWhileAVerseSounds) {
  REQUIRE_DISPLAY();
  ASSERT_TRUE(launch({}, Start::ClickStartQuickly)) << fileText(log());
  ASSERT_TRUE(waitForVerse());
  endWith(SIGINT, "while a verse sounds");
}

TEST_F(ProgramShutdownTest, SigtermInThePauseAfterAVerse) {
  REQUIRE_DISPLAY();
  ASSERT_TRUE(launch({}, Start::ClickStartQuickly)) << fileText(log());
  ASSERT_TRUE(waitForVerse());
  ASSERT_TRUE(waitForSilence());
  // The preface poem's two-second pause.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_FALSE(sounding());
  endWith(SIGTERM, "in a pause");
}

TEST_F(ProgramShutdownTest, SigtermInTheAutomaticIntervalWait) {
  REQUIRE_DISPLAY();
  ASSERT_TRUE(launch({"[Auto]\nAuto=1\nItvl=30\n"}, Start::ClickStartQuickly)) << fileText(log());
  // The preface's two verses and the first card's upper verse, then the wait.
  for (int verse = 0; verse < 3; ++verse) {
    ASSERT_TRUE(waitForVerse()) << verse;
    ASSERT_TRUE(waitForSilence()) << verse;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  ASSERT_FALSE(sounding());
  endWith(SIGTERM, "in the interval wait");
}

TEST_F(ProgramShutdownTest, SigtermDuringTheMemorisationCountdown) {
  REQUIRE_DISPLAY();
  ASSERT_TRUE(launch({}, Start::ClickAnkiAndStart)) << fileText(log());
  // The start announcement, then the countdown window over the disabled
  // main window, where the close box would be refused.
  ASSERT_TRUE(waitForVerse());
  ASSERT_TRUE(display_->xdotool("search --sync --name '^Anki Timer$'").has_value());
  endWith(SIGTERM, "during the countdown");
}

#ifdef FUDA_MEMOTIMER_PROGRAM
TEST_F(ProgramShutdownTest, TheStandaloneTimerEndsOnEachSignal) {
  for (int signal : {SIGTERM, SIGINT}) {
    // Its clock hands run from the start.
    ASSERT_TRUE(launch({}, Start::Idle, FUDA_MEMOTIMER_PROGRAM)) << fileText(log());
    endWith(signal, "in the standalone timer");
  }
}
#endif

TEST_F(ProgramShutdownTest, SigtermAndSigintWhileADecoderRuns) {
  REQUIRE_DISPLAY();
  for (int signal : {SIGTERM, SIGINT}) {
    std::filesystem::remove(folder_ / "decoder.pid");
    ASSERT_TRUE(launch({"", true}, Start::ClickStartQuickly)) << fileText(log());
    ASSERT_TRUE(decoderRunning());
    // The file exists a moment before the shell has written the pid into it.
    ASSERT_TRUE(waitFor(
        [&] { return fileText(folder_ / "decoder.pid").find('\n') != std::string::npos; },
        Millis(20000)));
    const pid_t decoder = std::stoi(fileText(folder_ / "decoder.pid"));
    endWith(signal, "while a decoder runs");
    // The hung decoder was ended with the program (a zombie waiting for a
    // parent to reap it is ended too).
    EXPECT_TRUE(waitFor(
        [&] {
          const std::string stat = fileText("/proc/" + std::to_string(decoder) + "/stat");
          const auto state = stat.find(") ");
          return stat.empty() || (state != std::string::npos && stat[state + 2] == 'Z');
        },
        Millis(2000)));
  }
}

}  // namespace
}  // namespace fuda::testing
