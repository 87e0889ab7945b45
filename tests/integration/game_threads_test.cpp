// The reading engine on its real ports: the system clock, SDL's dummy driver,
// a WAV voice read from disk and real worker threads. A short game is read
// to its end, and shutdown is asked for in each state of a game.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/poll_until.h"
#include "adapters/posix/posix_shell.h"
#include "adapters/std/std_worker_threads.h"
#include "core/clips/voice_clip_source.h"
#include "core/cards/poem_table.h"
#include "core/game/game_engine.h"
#include "tests/fakes/fake_memo_timer.h"
#include "tests/fakes/locked_reader_view.h"
#include "tests/integration/sound_output_support.h"

namespace fuda {
namespace {

using namespace fuda::testing;
using Steady = std::chrono::steady_clock;

constexpr double kLongVerseSeconds = 1.5;
constexpr std::uint64_t kLongVerseFrames = 66150;

class GameThreadsTest : public ::testing::Test {
 protected:
  GameThreadsTest() {
    // The preface's lower verse is longer, so a test can catch it sounding;
    // the cards' verses are short, so a game ends soon.
    writeClip("I-000A.WAV", 0.2, 330);
    writeClip("I-000B.WAV", kLongVerseSeconds, 350);
    for (int poem : {3, 5}) {
      writeClip("I-00" + std::to_string(poem) + "A.WAV", 0.15, 440 + poem);
      writeClip("I-00" + std::to_string(poem) + "B.WAV", 0.15, 550 + poem);
    }
    voice.set({folder.path(), folder.path() / "Mesg", ClipFormat::Wav});
    // Two cards, without the preface's upper verse and its two seconds.
    selection.selectionActive = 1;
    selection.selected[0] = 0;
    selection.selected[3] = 1;
    selection.selected[5] = 1;
    state.settings.timingPause = 100;
  }
  ~GameThreadsTest() override { shutdown(); }

  // As the program's shutdown does: the engine, then the ports in their
  // order.
  void shutdown() {
    engine.shutdown();
    clock.shutdown();
    sound.shutdown();
    threads.joinAll();
  }

  void writeClip(const std::string& name, double seconds, double hz) {
    const auto frames = static_cast<std::size_t>(seconds * 44100);
    writeBytes(folder.path() / name, wav16(2, 44100, sine16(frames, 2, 44100, hz)));
  }

  // Polls `condition` for up to five seconds.
  static bool eventually(const std::function<bool()>& condition) { return pollUntil(condition); }

  // The time shutdown() takes; afterwards the window is declared gone.
  double timedShutdown() {
    const auto started = Steady::now();
    shutdown();
    const double ms = std::chrono::duration<double, std::milli>(Steady::now() - started).count();
    view.close();
    return ms;
  }

  // The output clock has passed nothing of the verse placed last, beyond the
  // buffer that was already on its way to the device.
  void expectSilencedAt(std::uint64_t frameAtShutdown) {
    const auto placed = sound.lastPlacement();
    if (placed) {
      EXPECT_LE(placed->endFrame, frameAtShutdown + sound.bufferFrames());
    }
  }

  TempFolder folder;
  ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
  SystemClock clock;
  CollectedMessages messages;
  SdlSoundOut sound{clock, messages, Language::Japanese};
  PosixShell shell;
  CurrentVoice voice;
  TempFolder temp;
  VoiceClipSource clips{voice, {temp.path(), temp.path()}, shell, clock, messages,
                        Language::Japanese};
  LockedReaderView view;
  StdWorkerThreads threads;
  FakeMemoTimer memoTimer;
  ReadingState state;
  CardSelection selection;
  ReadingOrder order;
  GameEngine engine{state, selection, order,
                    GameEnginePorts{clock, sound, clips, view, threads, memoTimer},
                    Language::Japanese};
};

TEST_F(GameThreadsTest, AShortGameIsReadToItsEndOnRealThreads) {
  ASSERT_EQ(sound.state(), SoundDeviceState::Open);
  writeClip("I-000B.WAV", 0.15, 350);
  state.settings.timingPause = 0;
  engine.startReading(Memorisation::Without);
  const std::vector<std::int16_t> poems = {order.poem[1], order.poem[2]};
  ASSERT_TRUE(eventually([&] { return state.running.load() == 1 && state.busy.load() == Busy::Idle; }));
  engine.readNext();
  ASSERT_TRUE(eventually([&] { return state.position.load() == 2 && state.busy.load() == Busy::Idle; }));
  engine.readNext();
  ASSERT_TRUE(eventually([&] { return state.running.load() == 0 && state.busy.load() == Busy::Idle; }));

  const PoemTable& table = PoemTable::forLanguage(Language::Japanese);
  EXPECT_EQ(view.upperVerses(),
            (std::vector<std::string>{std::string(table[poems[0]].upperVerse),
                                      std::string(table[poems[1]].upperVerse),
                                      std::string(table[0].upperVerse)}));
  EXPECT_EQ(selection.selectionActive.load(), 0);  // the game's end resets it
  EXPECT_TRUE(view.messages.captions().empty());
  EXPECT_TRUE(messages.captions().empty());
}

TEST_F(GameThreadsTest, ShutdownInTheMiddleOfAVerseEndsTheReadingAtOnce) {
  engine.startReading(Memorisation::Without);
  // Half a second into the preface's long lower verse, with the first card's
  // upper verse placed behind it, 100 ms after its end.
  ASSERT_TRUE(eventually([&] {
    const auto placed = sound.lastPlacement();
    const std::uint64_t lowerStart = placed ? placed->firstFrame - 4410 - kLongVerseFrames : 0;
    return placed && sound.framesOutput() > lowerStart + 22050 &&
           sound.framesOutput() < lowerStart + 44100;
  }));
  const std::uint64_t frame = sound.framesOutput();
  EXPECT_LT(timedShutdown(), 1000.0);
  expectSilencedAt(frame);
  EXPECT_EQ(state.running.load(), 1);  // nothing was tidied up: the program ends
  EXPECT_EQ(view.callsAfterClose(), 0);
}

TEST_F(GameThreadsTest, ShutdownDuringThePauseDropsTheWaitingVerse) {
  state.settings.timingPause = 2000;
  engine.startReading(Memorisation::Without);
  // The first card's upper verse waits behind the lower one; catch the pause.
  ASSERT_TRUE(eventually([&] {
    const auto placed = sound.lastPlacement();
    return placed && placed->endFrame - placed->firstFrame < 44100 &&
           sound.framesOutput() + 44100 > placed->firstFrame &&
           sound.framesOutput() + 22050 < placed->firstFrame;
  }));
  const std::uint64_t frame = sound.framesOutput();
  EXPECT_LT(timedShutdown(), 1000.0);
  expectSilencedAt(frame);
  EXPECT_TRUE(view.upperVerses().empty());
  EXPECT_EQ(view.callsAfterClose(), 0);
}

TEST_F(GameThreadsTest, ShutdownDuringTheLeadIn) {
  engine.startReading(Memorisation::Without);
  EXPECT_LT(timedShutdown(), 1000.0);
  EXPECT_EQ(view.callsAfterClose(), 0);
}

TEST_F(GameThreadsTest, ShutdownDuringTheAutomaticIntervalWait) {
  state.mode = ReadMode::Automatic;
  state.settings.interval = 10.0;
  state.settings.timingPause = 0;
  engine.startReading(Memorisation::Without);
  ASSERT_TRUE(eventually([&] {
    return state.mode.load() == ReadMode::AutoLoopRunning && state.busy.load() == Busy::Idle;
  }));
  EXPECT_LT(timedShutdown(), 1000.0);
  EXPECT_EQ(view.callsAfterClose(), 0);
  EXPECT_EQ(state.position.load(), 1);
}

}  // namespace
}  // namespace fuda
