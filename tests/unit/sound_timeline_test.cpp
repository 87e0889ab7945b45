// The timeline pulled frame by frame, as a device callback pulls it.
#include "core/sound/sound_timeline.h"

#include <gtest/gtest.h>

#include <string>

namespace fuda {
namespace {

// 8-bit mono at 1000 frames a second: one byte a millisecond, 0x80 silent.
constexpr PcmFormat kMsFrames{1, 1, 1000, 8};
constexpr std::uint8_t kSilence = '.';

ClipRef clipNamed(const std::string& name) {
  auto clip = std::make_shared<SoundClip>();
  clip->name = name;
  return clip;
}

SoundTimeline::Samples samplesOf(char sample, std::size_t frames) {
  return std::make_shared<const std::vector<std::uint8_t>>(frames, sample);
}

// Places `frames` frames of `sample`.
std::optional<SoundTimeline::Placed> place(SoundTimeline& timeline, char sample,
                                           std::size_t frames,
                                           std::optional<double> gapMs = {}) {
  return timeline.place(clipNamed(std::string(1, sample)), samplesOf(sample, frames), frames,
                        gapMs);
}

// Pulls `frames` frames in blocks of `block`, as a device would.
std::string pull(SoundTimeline& timeline, std::size_t frames, std::size_t block = 7) {
  std::string out;
  while (out.size() < frames) {
    std::vector<std::uint8_t> buffer(std::min(block, frames - out.size()));
    timeline.render(buffer.data(), buffer.size());
    out.append(buffer.begin(), buffer.end());
  }
  return out;
}

TEST(SoundTimeline, AClipWithAGapSoundsExactlyThatLongAfterTheOneBeforeEnds) {
  SoundTimeline timeline(kMsFrames, kSilence);
  place(timeline, 'a', 5);
  // Placed while the first still plays: the silence is exact whatever the
  // blocks, and a gap already past starts the clip at once.
  place(timeline, 'b', 4, 3.0);
  EXPECT_EQ(pull(timeline, 16), "aaaaa...bbbb....");
  place(timeline, 'c', 2, 1.0);
  EXPECT_EQ(pull(timeline, 3), "cc.");
  timeline.stop();
  place(timeline, 'd', 2, 50.0);
  EXPECT_EQ(pull(timeline, 3), "dd.");
}

TEST(SoundTimeline, AClipPlacedAfterTheOneBeforeEndedStillKeepsTheWholeGap) {
  SoundTimeline timeline(kMsFrames, kSilence);
  place(timeline, 'a', 5);
  EXPECT_EQ(pull(timeline, 7), "aaaaa..");
  place(timeline, 'b', 2, 4.0);
  EXPECT_EQ(pull(timeline, 5), "..bb.");
}

TEST(SoundTimeline, AClipWithoutAGapAStopOrANullClipCutsWhatPlaysAndDropsWhatWaits) {
  SoundTimeline timeline(kMsFrames, kSilence);
  place(timeline, 'a', 10);
  const auto waiting = place(timeline, 'b', 10, 2.0);
  EXPECT_EQ(pull(timeline, 4), "aaaa");
  place(timeline, 'c', 6);
  EXPECT_EQ(pull(timeline, 3), "ccc");
  timeline.stop();
  EXPECT_EQ(pull(timeline, 12), "............");
  EXPECT_FALSE(timeline.pendingFrame(*waiting, ClipEdge::LastSample, 0));
  place(timeline, 'd', 6);
  EXPECT_EQ(pull(timeline, 2), "dd");
  EXPECT_FALSE(timeline.place(nullptr, nullptr, 0, 1.0));
  EXPECT_EQ(pull(timeline, 3), "...");
  EXPECT_FALSE(timeline.last());
}

TEST(SoundTimeline, AWaiterWaitsForItsEdgeAndTheDeviceLatency) {
  SoundTimeline timeline(kMsFrames, kSilence);
  place(timeline, 'a', 5);
  const auto placed = place(timeline, 'b', 4, 3.0);
  EXPECT_EQ(timeline.pendingFrame(*placed, ClipEdge::FirstSample, 0), 8u);
  EXPECT_EQ(timeline.pendingFrame(*placed, ClipEdge::LastSample, 2), 14u);
  pull(timeline, 14);
  EXPECT_FALSE(timeline.pendingFrame(*placed, ClipEdge::LastSample, 2));
  timeline.shutdown();
  EXPECT_FALSE(place(timeline, 'c', 1));
}

}  // namespace
}  // namespace fuda
