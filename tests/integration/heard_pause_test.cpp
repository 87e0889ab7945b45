// A short game read by the engine through SDL's disk driver with a voice
// whose clips carry different stretches of silence and a low noise floor at
// both ends: in the written stream, every pause heard between two verses is
// the one set.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

#include "tests/support/heard_stretches.h"
#include "tests/support/poll_until.h"
#include "adapters/posix/posix_shell.h"
#include "adapters/std/std_worker_threads.h"
#include "core/clips/voice_clip_source.h"
#include "core/game/game_engine.h"
#include "tests/fakes/fake_memo_timer.h"
#include "tests/fakes/locked_reader_view.h"
#include "tests/integration/sound_output_support.h"

namespace fuda {
namespace {

using namespace fuda::testing;
using Steady = std::chrono::steady_clock;

constexpr std::uint32_t kRate = 44100;
constexpr int kNoisePeak = 60;                // about -55 dBFS
constexpr int kHeardLevel = 2 * kNoisePeak;   // above anything the room adds
constexpr int kPauseMs = 340;

struct PaddedClip {
  const char* name;
  std::int16_t level;
  double leadSeconds, tailSeconds;
};

// Sound at `level` with the room's noise on it throughout, after and before
// the given silences.
void writePadded(const std::filesystem::path& dir, const PaddedClip& clip) {
  const auto lead = static_cast<std::size_t>(clip.leadSeconds * kRate);
  const auto tail = static_cast<std::size_t>(clip.tailSeconds * kRate);
  const std::size_t sound = kRate / 8;
  std::vector<std::int16_t> frames(lead + sound + tail, 0);
  const auto tone = square(sound, clip.level);
  std::copy(tone.begin(), tone.end(), frames.begin() + static_cast<std::ptrdiff_t>(lead));
  std::uint32_t state = static_cast<std::uint32_t>(clip.level);
  for (auto& v : frames) {
    state = state * 1664525u + 1013904223u;
    v = static_cast<std::int16_t>(v + static_cast<int>(state >> 16) % (2 * kNoisePeak + 1) -
                                  kNoisePeak);
  }
  writeBytes(dir / (std::string(clip.name) + ".WAV"), wav16(2, kRate, bytes16(frames, 2)));
}

bool eventually(const std::function<bool()>& condition) {
  return testing::pollUntil(condition, std::chrono::seconds(20));
}

TEST_F(DiskDriverTest, EveryPauseHeardIsThePauseSetWhateverTheClipsSilences) {
  TempFolder voiceDir;
  const std::vector<PaddedClip> clips = {
      {"I-000A", 3000, 0.30, 0.90}, {"I-000B", 5000, 0.05, 0.60}, {"I-003A", 7000, 0.80, 0.20},
      {"I-003B", 9000, 0.45, 1.00}, {"I-005A", 11000, 0.0, 0.35}, {"I-005B", 13000, 0.70, 0.0}};
  for (const auto& clip : clips) writePadded(voiceDir.path(), clip);

  std::vector<std::int16_t> order;
  {
    SdlSoundOut sound(clock, messages, Language::English);
    ASSERT_EQ(sound.state(), SoundDeviceState::Open);
    CurrentVoice voice;
    voice.set({voiceDir.path(), voiceDir.path() / "Mesg", ClipFormat::Wav});
    PosixShell shell;
    VoiceClipSource source(voice, {dir.path(), dir.path()}, shell, clock, messages,
                           Language::English);
    LockedReaderView view;
    StdWorkerThreads threads;
    FakeMemoTimer memoTimer;
    ReadingState state;
    CardSelection selection;
    ReadingOrder readingOrder;
    GameEngine engine(state, selection, readingOrder,
                      GameEnginePorts{clock, sound, source, view, threads, memoTimer},
                      Language::English);
    selection.selectionActive = 1;
    selection.selected[3] = 1;
    selection.selected[5] = 1;
    state.settings.timingPause = kPauseMs;

    engine.startReading(Memorisation::Without);
    order = {readingOrder.poem[1], readingOrder.poem[2]};
    ASSERT_TRUE(eventually([&] { return state.running.load() == 1 && state.busy.load() == Busy::Idle; }));
    engine.readNext();
    ASSERT_TRUE(eventually([&] { return state.position.load() == 2 && state.busy.load() == Busy::Idle; }));
    engine.readNext();
    ASSERT_TRUE(eventually([&] { return state.running.load() == 0 && state.busy.load() == Busy::Idle; }));
    engine.shutdown();
    threads.joinAll();
    EXPECT_EQ(view.messages.count(), 0u);
  }

  const auto heard = heardStretches(stream(), kHeardLevel, kRate);
  ASSERT_EQ(heard.size(), 6u);
  // The clips in the order read, told apart by their levels.
  const auto levelOf = [&](int poem, char verse) {
    const std::string name = "I-00" + std::to_string(poem) + verse;
    for (const auto& clip : clips)
      if (name == clip.name) return static_cast<int>(clip.level);
    return 0;
  };
  const std::vector<int> levels = {levelOf(0, 'A'),        levelOf(0, 'B'),
                                   levelOf(order[0], 'A'), levelOf(order[0], 'B'),
                                   levelOf(order[1], 'A'), levelOf(order[1], 'B')};
  for (std::size_t i = 0; i < heard.size(); ++i) {
    EXPECT_NEAR(heard[i].peak, levels[i], kNoisePeak) << "clip " << i;
  }
  const auto gapMs = [&](std::size_t i) {
    return static_cast<double>(heard[i + 1].first - heard[i].end) * 1000.0 / kRate;
  };
  EXPECT_NEAR(gapMs(0), 2000.0, 1.0);    // the preface's two verses
  EXPECT_NEAR(gapMs(1), kPauseMs, 1.0);  // preface to the first card
  EXPECT_NEAR(gapMs(3), kPauseMs, 1.0);  // first card to the second
  EXPECT_TRUE(messages.captions().empty());
}

}  // namespace
}  // namespace fuda
