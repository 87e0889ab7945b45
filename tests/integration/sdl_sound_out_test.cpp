// The SDL2 output adapter on the dummy and disk drivers.
#include "adapters/sdl/sdl_sound_out.h"

#include <gtest/gtest.h>

#include "tests/integration/sound_output_support.h"

namespace fuda {
namespace {

using namespace fuda::testing;

constexpr std::size_t kStereo = 2;

TEST_F(DiskDriverTest, AGapAfterThePreviousClipIsExactToTheFrame) {
  const ClipRef first = deviceClip("first", 0.2, 440);
  const ClipRef second = deviceClip("second", 0.1, 660);
  SdlSoundOut::Placement a, b;
  {
    SdlSoundOut out(clock, messages, Language::English);
    ASSERT_EQ(out.state(), SoundDeviceState::Open);
    ASSERT_EQ(out.outputFormat().sampleRate, 44100u);
    ASSERT_EQ(out.outputFormat().channels, 2);
    ASSERT_EQ(out.outputFormat().bitsPerSample, 16);
    out.playSync(first);
    a = *out.lastPlacement();
    // Returned only once the last frame had gone to the device, not queued.
    EXPECT_GE(out.framesOutput(), a.endFrame + out.bufferFrames());
    // A gap shorter than the device's buffer has passed by the time a
    // playSync returns: the clip starts at once instead.
    const std::uint64_t before = out.framesOutput();
    out.playAsync(second, 5.0);
    b = *out.lastPlacement();
    EXPECT_GE(b.firstFrame, before);
    EXPECT_LE(b.firstFrame, out.framesOutput());
    // A gap still ahead is kept exactly.
    waitForFrame(out, b.endFrame);
    out.playSync(first, 80.0);
    a = b;
    b = *out.lastPlacement();
    EXPECT_EQ(b.firstFrame, a.endFrame + 3528);
  }
  const auto samples = stream();
  const auto firstAt = findWhole(samples, clipSamples16(*first));
  const auto secondAt = findWhole(samples, clipSamples16(*second));
  ASSERT_TRUE(firstAt);
  ASSERT_TRUE(secondAt);
  EXPECT_LT(*firstAt, *secondAt);
  const auto againAt = findWhole(samples, clipSamples16(*first), *secondAt);
  ASSERT_TRUE(againAt);
  // The written stream itself shows 80 ms of silence between the two.
  EXPECT_EQ(*againAt - (*secondAt + clipSamples16(*second).size()), 3528 * kStereo);
  EXPECT_TRUE(messages.captions().empty());
}

TEST_F(DiskDriverTest, AClipWithAGapWaitsBehindTheOnePlayingAndIsHeardWhole) {
  const ClipRef lower = deviceClip("lower", 0.3, 440);
  const ClipRef upper = deviceClip("upper", 0.2, 660);
  const ClipRef dropped = deviceClip("dropped", 0.2, 880);
  SdlSoundOut::Placement a, b;
  {
    SdlSoundOut out(clock, messages, Language::English);
    out.playAsync(lower);
    a = *out.lastPlacement();
    // Placed at once, yet neither cuts the lower verse nor starts early.
    out.playAsync(upper, 0.0);
    b = *out.lastPlacement();
    EXPECT_EQ(b.firstFrame, a.endFrame);
    out.waitUntilHeard(ClipEdge::FirstSample);
    EXPECT_GE(out.framesOutput(), b.firstFrame);
    EXPECT_LT(out.framesOutput(), b.endFrame);
    out.waitUntilHeard(ClipEdge::LastSample);
    EXPECT_GE(out.framesOutput(), b.endFrame);

    // A stop drops a clip that waits to play, and wakes its waiter.
    out.playAsync(lower);
    out.playAsync(dropped, 500.0);
    std::thread stopper([&] {
      waitForFrame(out, out.framesOutput() + 4410);
      out.stop();
    });
    const double before = clock.nowMs();
    out.waitUntilHeard(ClipEdge::LastSample);
    stopper.join();
    EXPECT_LT(clock.nowMs() - before, 500.0);
    waitForFrame(out, out.framesOutput() + 44100);
  }
  const auto samples = stream();
  const auto lowerAt = findWhole(samples, clipSamples16(*lower));
  const auto upperAt = findWhole(samples, clipSamples16(*upper));
  ASSERT_TRUE(lowerAt);
  ASSERT_TRUE(upperAt);
  // No silence at all between them: the gap asked for was 0.
  EXPECT_EQ(*upperAt, *lowerAt + clipSamples16(*lower).size());
  const auto droppedSamples = clipSamples16(*dropped);
  const std::vector<std::int16_t> head(droppedSamples.begin(), droppedSamples.begin() + 256);
  EXPECT_FALSE(findWhole(samples, head));
}

TEST_F(DiskDriverTest, StopSilencesAtOnceAndWakesAPlaySync) {
  const ClipRef clip = deviceClip("long", 0.5, 440);
  SdlSoundOut::Placement placed;
  std::uint64_t returnedAt = 0;
  {
    SdlSoundOut out(clock, messages, Language::English);
    std::thread player([&] {
      out.playSync(clip);
      returnedAt = out.framesOutput();
    });
    while (!out.lastPlacement()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    placed = *out.lastPlacement();
    waitForFrame(out, placed.firstFrame + 2205);
    out.stop();
    player.join();
    EXPECT_LT(returnedAt, placed.firstFrame + 22050 - 4410);
    EXPECT_LT(out.lastPlacement()->endFrame, placed.firstFrame + 22050);
    // After a stop there is no previous clip: a gap does not delay.
    const std::uint64_t before = out.framesOutput();
    out.playAsync(clip, 1000.0);
    EXPECT_LE(out.lastPlacement()->firstFrame, before + out.bufferFrames());
    out.stop();
  }
  const auto samples = stream();
  const auto whole = clipSamples16(*clip);
  EXPECT_FALSE(findWhole(samples, whole));
  // The start of the clip was heard.
  const std::vector<std::int16_t> head(whole.begin(), whole.begin() + 2205 * kStereo);
  EXPECT_TRUE(findWhole(samples, head));
}

TEST_F(DiskDriverTest, StartingAClipOrANullClipStopsTheOnePlaying) {
  const ClipRef cut = deviceClip("cut", 0.5, 440);
  const ClipRef next = deviceClip("next", 0.1, 660);
  {
    SdlSoundOut out(clock, messages, Language::English);
    out.playAsync(cut);
    waitForFrame(out, out.lastPlacement()->firstFrame + 2205);
    out.playSync(next);
    out.playAsync(cut);
    waitForFrame(out, out.lastPlacement()->firstFrame + 2205);
    out.playAsync(nullptr);
    EXPECT_FALSE(out.lastPlacement());
    waitForFrame(out, out.framesOutput() + 22050);
  }
  const auto samples = stream();
  EXPECT_FALSE(findWhole(samples, clipSamples16(*cut)));
  EXPECT_TRUE(findWhole(samples, clipSamples16(*next)));
}

TEST_F(DiskDriverTest, ClipsOfAnyRateWidthAndChannelCountPlayAtTheirLengthAndLevel) {
  struct Layout {
    const char* what;
    std::uint16_t tag, channels;
    std::uint32_t rate;
    std::uint16_t bits;
  };
  const Layout layouts[] = {
      {"8-bit mono 22050", 1, 1, 22050, 8},     {"16-bit mono 8000", 1, 1, 8000, 16},
      {"24-bit stereo 48000", 1, 2, 48000, 24}, {"32-bit stereo 96000", 1, 2, 96000, 32},
      {"float mono 32000", 3, 1, 32000, 32},    {"16-bit 6-channel 44100", 1, 6, 44100, 16},
  };
  for (const auto& layout : layouts) {
    const ClipRef clip =
        sineClip("c", 0.2, layout.tag, layout.channels, layout.rate, layout.bits, 300);
    ASSERT_TRUE(clip) << layout.what;
    {
      SdlSoundOut out(clock, messages, Language::English);
      out.playSync(clip);
    }
    const auto samples = stream();
    const auto [first, last] = loudSpan(samples, 2000);
    const double heardMs = static_cast<double>(last - first) / kStereo / 44.1;
    EXPECT_NEAR(heardMs, 200.0, 6.0) << layout.what;
    int peak = 0;
    for (std::size_t i = first; i < last; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
    // Half level, give or take what down-mixing and resampling do.
    EXPECT_GT(peak, 0.35 * 32767) << layout.what;
    EXPECT_LT(peak, 0.65 * 32767) << layout.what;
  }
}

TEST(SdlSoundOutDummy, TheDummyDriverRunsAndTimesPlays) {
  ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
  SystemClock clock;
  CollectedMessages messages;
  SdlSoundOut out(clock, messages, Language::English);
  ASSERT_EQ(out.state(), SoundDeviceState::Open);
  const ClipRef clip = deviceClip("c", 0.1, 440);
  const double started = clock.nowMs();
  out.playSync(clip);
  EXPECT_GE(clock.nowMs() - started, 80.0);
  EXPECT_GE(out.framesOutput(), out.lastPlacement()->endFrame);
  EXPECT_TRUE(messages.captions().empty());
}

TEST(SdlSoundOutSilent, WithoutADeviceItSaysSoOnceAndKeepsTime) {
  ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
  SystemClock clock;
  CollectedMessages messages;
  {
    SdlSoundOut japanese(clock, messages, Language::Japanese);
    EXPECT_EQ(japanese.state(), SoundDeviceState::Silent);
  }
  SdlSoundOut out(clock, messages, Language::English);
  ASSERT_EQ(out.state(), SoundDeviceState::Silent);
  ASSERT_EQ(messages.count(), 2u);
  EXPECT_EQ(messages.captions()[0], "音声出力");
  EXPECT_EQ(messages.texts()[0], "音声出力装置を開けません。音声なしで動作します。");
  EXPECT_EQ(messages.captions()[1], "Sound Output");
  EXPECT_EQ(messages.texts()[1], "No sound output device could be opened; the program runs silent.");

  const ClipRef shortClip = deviceClip("short", 0.15, 440);
  double started = clock.nowMs();
  out.playSync(shortClip);
  EXPECT_GE(clock.nowMs() - started, 145.0);
  EXPECT_LT(clock.nowMs() - started, 1000.0);

  const ClipRef longClip = deviceClip("long", 0.5, 440);
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    out.stop();
  });
  started = clock.nowMs();
  out.playSync(longClip);
  stopper.join();
  EXPECT_LT(clock.nowMs() - started, 400.0);
  EXPECT_EQ(messages.count(), 2u);
}

TEST(SdlSoundOutSilent, ShutdownWakesAPlaySyncAndLaterPlaysReturnAtOnce) {
  ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
  SystemClock clock;
  CollectedMessages messages;
  SdlSoundOut out(clock, messages, Language::English);
  const ClipRef clip = deviceClip("long", 0.5, 440);
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    out.shutdown();
  });
  const double started = clock.nowMs();
  out.playSync(clip);
  stopper.join();
  out.playSync(clip);
  EXPECT_LT(clock.nowMs() - started, 400.0);
}

}  // namespace
}  // namespace fuda
