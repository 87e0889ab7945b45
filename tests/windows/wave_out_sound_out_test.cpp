#include "adapters/win32/wave_out_sound_out.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_ports.h"

namespace fuda {
namespace {

TEST(WaveOutSoundOut, APlayedClipIsHandedToTheDeviceWhole) {
  testing::VirtualClock clock;
  WaveOutSoundOut out(clock);
  // A tenth of a second of 22050 Hz mono: 4410 frames at the device's 44100.
  auto clip = std::make_shared<SoundClip>();
  clip->format = {1, 1, 22050, 16};
  clip->bytes.assign(4410, 0x11);
  clip->dataSize = clip->bytes.size();
  clip->playingMs = 100.0;
  const std::uint64_t before = out.framesOutput();
  out.playSync(clip);
  if (!out.hasDevice()) GTEST_SKIP() << "no wave-out device";
  EXPECT_GE(out.framesOutput() - before, 4410u);
  out.shutdown();
}

}  // namespace
}  // namespace fuda
