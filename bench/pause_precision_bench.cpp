// How exact the game's rhythm is on a real output: short games read by the
// engine through SDL's disk driver, with a voice whose every clip is a square
// wave of its own level. The written stream is read back, every clip and gap
// found, and the bench prints, per game and overall, the largest error of the
// pause between a lower verse and the next upper verse, of the 2000 ms after
// the preface's upper verse, and the time from "Next" to the first sample of
// the lower verse.
//
// The games are read twice: with a voice whose clips are sound from end to
// end, and with a padded one, whose clips carry up to a second of silence
// with a -60 dBFS noise floor at each end, different for every clip, as
// recordings do. For the padded voice the error is that of the pause heard:
// from the last frame of a verse above the noise to the first of the next.
//
//   pause_precision_bench [games-per-pause]
#include <algorithm>
#include <array>
#include <functional>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "adapters/posix/posix_shell.h"
#include "adapters/sdl/sdl_sound_out.h"
#include "adapters/std/std_worker_threads.h"
#include "adapters/std/system_clock.h"
#include "adapters/private_temp_dir.h"
#include "core/clips/voice_clip_source.h"
#include "core/clips/wav_clip.h"
#include "core/game/game_engine.h"
#include "tests/fakes/collected_messages.h"
#include "tests/fakes/fake_memo_timer.h"
#include "tests/fakes/locked_reader_view.h"
#include "tests/support/audio_tools.h"
#include "tests/support/wav_bytes.h"

namespace {

using namespace fuda;
using Steady = std::chrono::steady_clock;

constexpr std::uint32_t kRate = 44100;
constexpr std::uint16_t kChannels = 2;
constexpr double kFramesPerMs = kRate / 1000.0;
constexpr std::array<std::int16_t, 5> kCards = {7, 23, 42, 61, 99};
constexpr std::int16_t kCalibrationLevel = 30000;
constexpr int kNoisePeak = 32;               // about -60 dBFS
constexpr int kHeardLevel = 2 * kNoisePeak;  // above anything the room adds

enum class Padding { None, Varied };

// Each clip's level: 0 is silence, so every level is a clip.
std::int16_t levelOf(int poem, char verse) {
  const int index = poem == 0 ? 0 : 1 + static_cast<int>(std::find(kCards.begin(), kCards.end(),
                                                                    poem) -
                                                          kCards.begin());
  return static_cast<std::int16_t>(1000 + 400 * (2 * index + (verse == 'B' ? 1 : 0)));
}

// A square wave of `level`, a length that is no whole number of ms, so the
// rounding of playing times shows.
std::vector<std::uint8_t> squareWave(std::int16_t level, std::size_t frames) {
  std::vector<std::uint8_t> out;
  out.reserve(frames * kChannels * 2);
  for (std::size_t i = 0; i < frames; ++i) {
    const auto v = static_cast<std::int16_t>((i / 20) % 2 == 0 ? level : -level);
    for (int c = 0; c < kChannels; ++c) {
      out.push_back(static_cast<std::uint8_t>(v & 0xFF));
      out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
  }
  return out;
}

// `sound` wrapped in silence of `leadFrames` and `tailFrames`, with a noise
// floor all through it.
std::vector<std::uint8_t> padded(std::vector<std::uint8_t> sound, std::size_t leadFrames,
                                 std::size_t tailFrames, std::uint32_t seed) {
  const std::size_t frameSize = kChannels * 2u;
  sound.insert(sound.begin(), leadFrames * frameSize, 0);
  sound.insert(sound.end(), tailFrames * frameSize, 0);
  for (std::size_t at = 0; at < sound.size(); at += frameSize) {
    seed = seed * 1664525u + 1013904223u;
    const int noise = static_cast<int>(seed >> 16) % (2 * kNoisePeak + 1) - kNoisePeak;
    const auto v = static_cast<std::int16_t>(
        static_cast<std::int16_t>(sound[at] | (sound[at + 1] << 8)) + noise);
    for (std::size_t c = 0; c < kChannels; ++c) {
      sound[at + 2 * c] = static_cast<std::uint8_t>(v & 0xFF);
      sound[at + 2 * c + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    }
  }
  return sound;
}

void writeVoice(const std::filesystem::path& dir, Padding padding) {
  std::vector<int> poems = {0};
  poems.insert(poems.end(), kCards.begin(), kCards.end());
  std::size_t k = 0;
  for (int poem : poems) {
    for (char verse : {'A', 'B'}) {
      const std::size_t frames = 11025 + 1637 * k + 13;
      auto samples = squareWave(levelOf(poem, verse), frames);
      if (padding == Padding::Varied) {
        // 0 to 0.9 s before, 0.15 to 1 s after, no two clips alike.
        const std::size_t leadMs = (277 * k) % 900;
        const std::size_t tailMs = 150 + (419 * k) % 850;
        samples = padded(std::move(samples), leadMs * kRate / 1000, tailMs * kRate / 1000,
                         static_cast<std::uint32_t>(k + 1));
      }
      ++k;
      char name[32];
      std::snprintf(name, sizeof name, "I-%03d%c.WAV", poem, verse);
      testing::writeBytes(dir / name, testing::wav16(kChannels, kRate, samples));
    }
  }
}

struct Segment {
  std::int16_t level = 0;
  std::uint64_t first = 0;  // file frames
  std::uint64_t end = 0;
};

// The clip level a frame is at, give or take the noise on it; 0 for none.
std::int16_t clipLevel(int magnitude) {
  if (std::abs(magnitude - kCalibrationLevel) <= kNoisePeak) return kCalibrationLevel;
  const int level = 1000 + 400 * ((magnitude - 800) / 400);
  if (magnitude < 1000 - kNoisePeak || std::abs(magnitude - level) > kNoisePeak) return 0;
  return static_cast<std::int16_t>(level);
}

// Every clip heard in the stream: the frames at its level (a square wave
// changes sign, not level), widened over the faded frames around them that
// are still heard. Two clips with no silence between them part at the
// quietest frame between their levels.
std::vector<Segment> findSegments(const std::vector<std::int16_t>& samples) {
  const std::size_t frames = samples.size() / kChannels;
  const auto magnitude = [&](std::size_t f) { return std::abs(int{samples[f * kChannels]}); };
  std::vector<Segment> plateaus;
  for (std::size_t f = 0; f < frames; ++f) {
    const std::int16_t level = clipLevel(magnitude(f));
    if (level == 0) continue;
    if (!plateaus.empty() && plateaus.back().level == level &&
        f - plateaus.back().end <= kRate / 1000) {
      plateaus.back().end = f + 1;
    } else {
      plateaus.push_back({level, f, f + 1});
    }
  }
  // A fade passes through the levels below its clip's for a frame or two.
  std::erase_if(plateaus, [](const Segment& s) { return s.end - s.first < kRate / 200; });

  std::vector<Segment> segments = plateaus;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const std::uint64_t floor = i == 0 ? 0 : plateaus[i - 1].end;
    const std::uint64_t ceiling = i + 1 == plateaus.size() ? frames : plateaus[i + 1].first;
    Segment& s = segments[i];
    while (s.first > floor && magnitude(s.first - 1) >= kHeardLevel) --s.first;
    while (s.end < ceiling && magnitude(s.end) >= kHeardLevel) ++s.end;
    if (i > 0 && segments[i - 1].end > s.first) {
      std::uint64_t quietest = plateaus[i - 1].end;
      for (std::uint64_t f = quietest; f < plateaus[i].first; ++f) {
        if (magnitude(f) < magnitude(quietest)) quietest = f;
      }
      segments[i - 1].end = quietest;
      s.first = quietest;
    }
  }
  return segments;
}

struct GamePlan {
  int pauseMs;
  ReadMode mode;
};

struct GameRecord {
  GamePlan plan;
  std::vector<std::int16_t> order;           // poems by position 1..5
  std::vector<std::uint64_t> nextAtFrame;    // output clock when "Next" was pressed
};

struct Figures {
  double pauseWorst = 0.0;
  double prefaceWorst = 0.0;
  std::vector<double> nextToFirstMs;
  int pauses = 0;
  bool inOrder = true;
};

void waitUntil(const std::function<bool()>& condition) {
  const auto giveUp = Steady::now() + std::chrono::seconds(60);
  while (!condition() && Steady::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

// Reads every planned game with one voice and prints its figures; nullopt
// when the stream cannot be made sense of.
std::optional<Figures> readGames(const std::filesystem::path& work, Padding padding,
                                 const std::vector<GamePlan>& plans) {
  const auto voiceDir = work / (padding == Padding::None ? "voice" : "padded voice");
  std::filesystem::create_directories(voiceDir);
  writeVoice(voiceDir, padding);
  const auto streamFile = voiceDir / "stream.raw";
  setenv("SDL_DISKAUDIOFILE", streamFile.c_str(), 1);

  std::vector<GameRecord> records;
  std::uint64_t calibrationFrame = 0;
  std::uint32_t bufferFrames = 0;
  double wallMs = 0.0;
  std::uint64_t deviceFrames = 0;
  {
    SystemClock clock;
    testing::CollectedMessages messages(testing::CollectedMessages::Echo::ToStandardOutput);
    SdlSoundOut sound(clock, messages, Language::English);
    if (sound.state() != SoundDeviceState::Open || sound.outputFormat().sampleRate != kRate ||
        sound.outputFormat().channels != kChannels || sound.outputFormat().bitsPerSample != 16) {
      std::puts("the disk driver did not open at 44100 Hz, 16-bit stereo");
      return std::nullopt;
    }
    bufferFrames = sound.bufferFrames();
    // A clip of known place on the output clock ties file frames to it.
    auto calibration = parseWavClip(
        testing::wav16(kChannels, kRate, squareWave(kCalibrationLevel, 441)));
    sound.playSync(std::make_shared<const SoundClip>(std::move(*calibration.clip)));
    calibrationFrame = sound.lastPlacement()->firstFrame;
    const auto wallStart = Steady::now();
    const std::uint64_t framesStart = sound.framesOutput();

    PosixShell shell;
    CurrentVoice voice;
    voice.set({voiceDir, voiceDir / "Mesg", ClipFormat::Wav});
    VoiceClipSource clips(voice, {work, work}, shell, clock, messages, Language::English);
    testing::LockedReaderView view;
    StdWorkerThreads threads;
    testing::FakeMemoTimer memo;
    ReadingState state;
    CardSelection selection;
    ReadingOrder order;
    GameEngine engine(state, selection, order,
                      GameEnginePorts{clock, sound, clips, view, threads, memo},
                      Language::English);
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> hesitation(30, 250);

    for (const GamePlan& plan : plans) {
      GameRecord record{plan, {}, {}};
      selection.selectionActive = 1;
      for (std::int16_t card : kCards) selection.selected[card] = 1;
      state.settings.timingPause = plan.pauseMs;
      state.mode = plan.mode;
      state.settings.interval = 0.5;
      engine.startReading(Memorisation::Without);
      waitUntil([&] { return state.running.load() == 1; });
      for (std::size_t p = 1; p <= kCards.size(); ++p) record.order.push_back(order.poem[p]);
      if (plan.mode == ReadMode::Manual) {
        for (;;) {
          waitUntil([&] { return state.running.load() == 0 || state.busy.load() == Busy::Idle; });
          if (state.running.load() == 0) break;
          // A player's hand, at no fixed phase to the device's buffers.
          std::this_thread::sleep_for(std::chrono::milliseconds(hesitation(random)));
          record.nextAtFrame.push_back(sound.framesOutput());
          engine.readNext();
          waitUntil([&] { return state.busy.load() != Busy::Idle || state.running.load() == 0; });
        }
      } else {
        waitUntil([&] { return state.running.load() == 0 && state.busy.load() == Busy::Idle; });
      }
      waitUntil([&] { return state.busy.load() == Busy::Idle; });
      records.push_back(std::move(record));
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    wallMs = std::chrono::duration<double, std::milli>(Steady::now() - wallStart).count();
    deviceFrames = sound.framesOutput() - framesStart;
    engine.shutdown();
    clock.shutdown();
    sound.shutdown();
    threads.joinAll();
  }

  const auto samples = testing::streamSamples16(streamFile);
  const std::vector<Segment> segments = findSegments(samples);
  if (segments.empty() || segments.front().level != kCalibrationLevel) {
    std::puts("the calibration clip is missing from the stream");
    return std::nullopt;
  }
  // File frame = output-clock frame + offset (the file may begin with one
  // buffer of silence the device took before our first callback).
  const auto offset = static_cast<std::int64_t>(segments.front().first) -
                      static_cast<std::int64_t>(calibrationFrame);

  std::printf("\n%s\n", padding == Padding::None ? "voice of sound from end to end"
                                                : "padded voice, noise floor -60 dBFS");
  std::printf("disk driver: buffer %u frames; output clock ran %.3f%% %s wall time over %.1f s\n",
              bufferFrames, std::abs(deviceFrames / kFramesPerMs / wallMs - 1.0) * 100.0,
              deviceFrames / kFramesPerMs > wallMs ? "ahead of" : "behind", wallMs / 1000.0);
  std::printf("%-7s %-9s %6s %17s %17s %26s\n", "pause", "mode", "order", "pause error max",
              "preface err", "next->lower ms min/avg/max");

  Figures total;
  std::size_t at = 1;
  for (const GameRecord& record : records) {
    Figures game;
    // Expected: 0A 0B, then each card's A and B in reading order.
    std::vector<std::int16_t> expected = {levelOf(0, 'A'), levelOf(0, 'B')};
    for (std::int16_t poem : record.order) {
      expected.push_back(levelOf(poem, 'A'));
      expected.push_back(levelOf(poem, 'B'));
    }
    if (at + expected.size() > segments.size()) {
      std::puts("the stream holds fewer clips than the games read");
      return std::nullopt;
    }
    std::vector<Segment> clips(segments.begin() + static_cast<long>(at),
                               segments.begin() + static_cast<long>(at + expected.size()));
    at += expected.size();
    for (std::size_t i = 0; i < expected.size(); ++i) {
      game.inOrder = game.inOrder && clips[i].level == expected[i];
    }
    const auto gapMs = [&](std::size_t i) {
      return static_cast<double>(clips[i + 1].first - clips[i].end) / kFramesPerMs;
    };
    game.prefaceWorst = std::abs(gapMs(0) - 2000.0);
    // Lower verse (odd index from 1 on) to the next upper verse.
    for (std::size_t i = 1; i + 1 < clips.size(); i += 2) {
      game.pauseWorst = std::max(game.pauseWorst, std::abs(gapMs(i) - record.plan.pauseMs));
      ++game.pauses;
    }
    // "Next" k reads the lower verse of card k: clip index 3 + 2k.
    for (std::size_t k = 0; k < record.nextAtFrame.size(); ++k) {
      const std::size_t lower = 3 + 2 * k;
      if (lower >= clips.size()) break;
      const double ms = static_cast<double>(static_cast<std::int64_t>(clips[lower].first) -
                                            offset -
                                            static_cast<std::int64_t>(record.nextAtFrame[k])) /
                        kFramesPerMs;
      game.nextToFirstMs.push_back(ms);
    }
    char next[64] = "-";
    if (!game.nextToFirstMs.empty()) {
      double sum = 0;
      for (double v : game.nextToFirstMs) sum += v;
      std::snprintf(next, sizeof next, "%.1f / %.1f / %.1f",
                    *std::min_element(game.nextToFirstMs.begin(), game.nextToFirstMs.end()),
                    sum / game.nextToFirstMs.size(),
                    *std::max_element(game.nextToFirstMs.begin(), game.nextToFirstMs.end()));
    }
    std::printf("%-7d %-9s %6s %14.2f ms %14.2f ms %26s\n", record.plan.pauseMs,
                record.plan.mode == ReadMode::Manual ? "manual" : "automatic",
                game.inOrder ? "ok" : "WRONG", game.pauseWorst, game.prefaceWorst, next);
    total.pauseWorst = std::max(total.pauseWorst, game.pauseWorst);
    total.prefaceWorst = std::max(total.prefaceWorst, game.prefaceWorst);
    total.pauses += game.pauses;
    total.inOrder = total.inOrder && game.inOrder;
    total.nextToFirstMs.insert(total.nextToFirstMs.end(), game.nextToFirstMs.begin(),
                               game.nextToFirstMs.end());
  }
  std::printf("largest error of the verse-to-verse pause: %.2f ms (%d pauses)\n",
              total.pauseWorst, total.pauses);
  std::printf("largest error of the preface pause:        %.2f ms (%zu games)\n",
              total.prefaceWorst, records.size());
  if (!total.nextToFirstMs.empty()) {
    std::printf("\"Next\" to the lower verse's first sample: min %.1f, max %.1f ms (%zu presses)\n",
                *std::min_element(total.nextToFirstMs.begin(), total.nextToFirstMs.end()),
                *std::max_element(total.nextToFirstMs.begin(), total.nextToFirstMs.end()),
                total.nextToFirstMs.size());
  }
  std::printf("clips in the game's order: %s\n", total.inOrder ? "yes" : "NO");
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  const int gamesPerPause = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  PrivateTempDir work("fuda-bench-");
  if (!work.isValid()) {
    std::puts("cannot make a temporary directory");
    return 1;
  }
  setenv("SDL_AUDIODRIVER", "disk", 1);
  std::vector<GamePlan> plans;
  for (int g = 0; g < gamesPerPause; ++g) {
    for (int pause : {1000, 0, 20, 2000}) plans.push_back({pause, ReadMode::Manual});
    plans.push_back({300, ReadMode::Automatic});
  }
  const auto plain = readGames(work.path(), Padding::None, plans);
  const auto padded = readGames(work.path(), Padding::Varied, plans);
  if (!plain || !padded) return 1;
  std::printf("\nlargest heard error with the padded voice: %.2f ms (pause %.2f, preface %.2f)\n",
              std::max(padded->pauseWorst, padded->prefaceWorst), padded->pauseWorst,
              padded->prefaceWorst);
  return plain->inOrder && padded->inOrder ? 0 : 1;
}
