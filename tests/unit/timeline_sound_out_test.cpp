// The sound output's base with a device the test pulls by hand, in virtual
// time.
#include "core/sound/timeline_sound_out.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/fakes/fake_ports.h"

namespace fuda {
namespace {

// 8-bit mono at 1000 frames a second: a frame a millisecond.
constexpr PcmFormat kMsFrames{1, 1, 1000, 8};

class HandPulledDevice : public TimelineSoundOut {
 public:
  HandPulledDevice(Clock& clock, MessageSink& messages)
      : TimelineSoundOut(clock, messages, Language::English) {
    begin(kMsFrames, 0x80, 0);
  }
  void pull(std::uint64_t frames) {
    std::vector<std::uint8_t> out(frames);
    deviceTimeline().render(out.data(), frames);
  }
  using TimelineSoundOut::deviceAway;
  using TimelineSoundOut::deviceBack;

 private:
  Samples convert(const SoundClip&) const override { return nullptr; }
};

TEST(TimelineSoundOut, WhileTheDeviceIsAwayTheClockKeepsTimeAndTheDeviceGoesOnFromThere) {
  testing::VirtualClock clock;
  testing::RecordingMessages messages;
  HandPulledDevice out(clock, messages);
  auto clip = std::make_shared<SoundClip>();
  clip->playingMs = 500.0;
  out.pull(100);

  out.deviceAway();
  EXPECT_EQ(out.state(), SoundDeviceState::Silent);
  out.playSync(clip);
  EXPECT_EQ(clock.nowMs(), 500.0);
  EXPECT_EQ(out.framesOutput(), 600u);

  out.deviceBack();
  out.playAsync(clip, 1000.0);
  EXPECT_EQ(out.lastPlacement()->firstFrame, 1600u);
  out.pull(50);
  EXPECT_EQ(out.framesOutput(), 650u);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace fuda
