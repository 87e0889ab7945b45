#include "adapters/win32/wave_out_sound_out.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "adapters/std/system_clock.h"
#include "tests/fakes/fake_ports.h"

namespace fuda {
namespace {

// A tenth of a second of 22050 Hz mono: 4410 frames at the device's 44100.
ClipRef tenthOfASecond() {
  auto clip = std::make_shared<SoundClip>();
  clip->format = {1, 1, 22050, 16};
  clip->bytes.assign(4410, 0x11);
  clip->dataSize = clip->bytes.size();
  clip->playingMs = 100.0;
  return clip;
}

// A device of the tests' own: it plays each buffer as it is written, exists
// only while `present`, and refuses the next `refusals` writes.
struct FakeDevice {
  std::atomic<bool> present{true};
  std::atomic<int> refusals{0};
  std::atomic<int> opens{0};
};
FakeDevice fake;

WaveOutApi fakeApi() {
  WaveOutApi api;
  api.open = [](LPHWAVEOUT device, UINT, LPCWAVEFORMATEX, DWORD_PTR, DWORD_PTR, DWORD) -> MMRESULT {
    if (!fake.present) return MMSYSERR_NODRIVER;
    ++fake.opens;
    *device = reinterpret_cast<HWAVEOUT>(1);
    return MMSYSERR_NOERROR;
  };
  api.prepare = [](HWAVEOUT, LPWAVEHDR, UINT) -> MMRESULT { return MMSYSERR_NOERROR; };
  api.write = [](HWAVEOUT, LPWAVEHDR header, UINT) -> MMRESULT {
    if (fake.refusals > 0) {
      --fake.refusals;
      return MMSYSERR_NODRIVER;
    }
    header->dwFlags |= WHDR_DONE;
    return MMSYSERR_NOERROR;
  };
  api.reset = [](HWAVEOUT) -> MMRESULT { return MMSYSERR_NOERROR; };
  api.unprepare = [](HWAVEOUT, LPWAVEHDR, UINT) -> MMRESULT { return MMSYSERR_NOERROR; };
  api.close = [](HWAVEOUT) -> MMRESULT { return MMSYSERR_NOERROR; };
  api.deviceCount = []() -> UINT { return fake.present ? 1 : 0; };
  return api;
}

TEST(WaveOutSoundOut, APlayedClipIsHandedToTheDeviceWhole) {
  SystemClock clock;
  testing::RecordingMessages messages;
  WaveOutSoundOut out(clock, messages, Language::English);
  const std::uint64_t before = out.framesOutput();
  out.playSync(tenthOfASecond());
  if (out.state() != SoundDeviceState::Open) GTEST_SKIP() << "no wave-out device";
  EXPECT_GE(out.framesOutput() - before, 4410u);
  out.shutdown();
}

TEST(WaveOutSoundOut, ADeviceThatRefusesABufferIsOpenedAgain) {
  fake.present = true;
  fake.opens = 0;
  fake.refusals = 1;
  SystemClock clock;
  testing::RecordingMessages messages;
  WaveOutSoundOut out(clock, messages, Language::English, fakeApi());
  out.playSync(tenthOfASecond());
  EXPECT_EQ(fake.opens, 2);
  EXPECT_EQ(out.state(), SoundDeviceState::Open);
  EXPECT_GE(out.framesOutput(), out.lastPlacement()->endFrame);
  EXPECT_TRUE(messages.messages.empty());
  out.shutdown();
}

TEST(WaveOutSoundOut, WithoutADeviceItSaysSoOnceKeepsTimeAndTakesOneThatComes) {
  fake.present = false;
  SystemClock clock;
  testing::RecordingMessages messages;
  WaveOutSoundOut out(clock, messages, Language::English, fakeApi());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text,
            "No sound output device could be opened; the program runs silent.");
  EXPECT_EQ(out.state(), SoundDeviceState::Silent);
  const double started = clock.nowMs();
  out.playSync(tenthOfASecond());
  EXPECT_GE(clock.nowMs() - started, 99.0);

  fake.present = true;
  for (int i = 0; i < 300 && out.state() != SoundDeviceState::Open; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(out.state(), SoundDeviceState::Open);
  EXPECT_EQ(messages.messages.size(), 1u);
  out.shutdown();
}

}  // namespace
}  // namespace fuda
