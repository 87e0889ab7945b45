// The game engine shut down at every moment of a game with its real parts
// and no Qt: worker threads, the system clock, SDL sound (dummy driver), the
// voice's clips through the decoder handshake and shell. During the opening,
// while a verse sounds, in a pause, in the automatic interval wait and while
// a decoder hangs, the shutdown returns within one second with every thread
// joined, and the view is not touched afterwards. Runs under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "adapters/posix/posix_shell.h"
#include "adapters/sdl/sdl_sound_out.h"
#include "adapters/std/std_worker_threads.h"
#include "adapters/std/system_clock.h"
#include "core/clips/voice_clip_source.h"
#include "core/game/game_engine.h"
#include "tests/fakes/fake_memo_timer.h"
#include "tests/fakes/locked_reader_view.h"
#include "tests/fakes/temp_folder.h"
#include "tests/integration/program_process.h"
#include "tests/support/audio_tools.h"

namespace fuda::testing {
namespace {

namespace fs = std::filesystem;

constexpr double kClipSeconds = 0.5;

enum class Moment { Opening, Verse, Pause, IntervalWait, Decode };

class EngineShutdownTest : public ::testing::TestWithParam<Moment> {
 protected:
  EngineShutdownTest()
      : sound(clock, view, Language::English),
        clips(voice, {temp.path(), program.path()}, shell, clock, view, Language::English),
        engine(state, selection, order, {clock, sound, clips, view, threads, memoTimer},
               Language::English) {}

  void makeVoice(Moment moment) {
    const fs::path dir = voices.path();
    ASSERT_TRUE(makeTone(dir / "I-000A.WAV", kClipSeconds, 440));
    if (moment == Moment::Decode) {
      ASSERT_TRUE(encodeMp3(dir / "I-000A.WAV", dir / "I-000A.mp3"));
      fs::remove(dir / "I-000A.WAV");
      // The program folder's decoder hangs until the shell's scripts are stopped.
      program.write("lame", "#!/bin/sh\nexec sleep 60\n");
      fs::permissions(program / "lame", fs::perms::owner_all);
      voice.set({dir, dir / "Mesg", ClipFormat::Mp3});
      return;
    }
    ASSERT_TRUE(makeTone(dir / "I-000B.WAV", kClipSeconds, 330));
    for (int poem = 1; poem <= 100; ++poem) {
      char name[16];
      std::snprintf(name, sizeof name, "I-%03d", poem);
      fs::copy_file(dir / "I-000A.WAV", dir / (std::string(name) + "A.WAV"));
      fs::copy_file(dir / "I-000B.WAV", dir / (std::string(name) + "B.WAV"));
    }
    voice.set({dir, dir / "Mesg", ClipFormat::Wav});
  }

  bool sounding() {
    const auto placement = sound.lastPlacement();
    if (!placement) return false;
    const auto now = sound.framesOutput();
    return placement->firstFrame <= now && now < placement->endFrame;
  }

  bool reach(Moment moment) {
    if (moment == Moment::IntervalWait) {
      state.mode = ReadMode::Automatic;
      state.settings.interval = 30.0;
    }
    engine.startReading(Memorisation::Without);
    const Millis limit{20000};
    switch (moment) {
      case Moment::Opening:
        return waitFor([&] { return state.running.load() == 1; }, limit) &&
               !sound.lastPlacement();
      case Moment::Verse:
        return waitFor([&] { return sounding(); }, limit);
      case Moment::Pause:
        return waitFor([&] { return sounding(); }, limit) &&
               waitFor([&] { return !sounding(); }, limit);
      case Moment::IntervalWait:
        return waitFor(
            [&] {
              return state.mode.load() == ReadMode::AutoLoopRunning &&
                     state.busy.load() == Busy::Idle;
            },
            limit);
      case Moment::Decode:
        return waitFor([&] { return fs::exists(temp / std::string(kDecodeMarkerName)); }, limit);
    }
    return false;
  }

  TempFolder voices;
  TempFolder temp;
  TempFolder program;
  CurrentVoice voice;
  LockedReaderView view;
  SystemClock clock;
  PosixShell shell;
  SdlSoundOut sound;
  VoiceClipSource clips;
  StdWorkerThreads threads;
  FakeMemoTimer memoTimer;
  ReadingState state;
  CardSelection selection;
  ReadingOrder order;
  GameEngine engine;
};

TEST_P(EngineShutdownTest, ShutsDownWithinASecondAndTouchesNothingAfterwards) {
  const Moment moment = GetParam();
  makeVoice(moment);
  ASSERT_TRUE(reach(moment));
  ASSERT_EQ(state.running.load(), 1);

  const auto start = std::chrono::steady_clock::now();
  // As the program's shutdown does: the engine, then the ports in their
  // order.
  engine.shutdown();
  clock.shutdown();
  sound.shutdown();
  shell.stopScripts();
  threads.joinAll();
  const double tookMs = since(start).count();
  std::printf("engine shutdown during moment %d: %.1f ms\n", static_cast<int>(moment), tookMs);
  EXPECT_LT(tookMs, 1000.0);

  // Every reading thread has ended: nothing reaches the view any more.
  const int calls = view.calls();
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  EXPECT_EQ(view.calls(), calls);
  // A decode cut off leaves none of its files behind.
  EXPECT_TRUE(fs::is_empty(temp.path()));
  EXPECT_TRUE(view.messages.captions().empty());
}

std::string momentName(const ::testing::TestParamInfo<Moment>& info) {
  static const char* const kNames[] = {"Opening", "Verse", "Pause", "IntervalWait", "Decode"};
  return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryMoment, EngineShutdownTest,
                         ::testing::Values(Moment::Opening, Moment::Verse, Moment::Pause,
                                           Moment::IntervalWait, Moment::Decode),
                         momentName);

}  // namespace
}  // namespace fuda::testing
