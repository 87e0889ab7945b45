#include "core/sound/clocked_sound_out.h"

#include <algorithm>

namespace fuda {

namespace {

// The longest a player sleeps before it looks again, so a stop cuts a
// playSync short at once.
constexpr double kLongestSleepMs = 50.0;

}  // namespace

ClockedSoundOut::ClockedSoundOut(Clock& clock, PcmFormat format)
    : clock_(clock),
      owned_(std::make_unique<SoundTimeline>(format, 0)),
      timeline_(*owned_),
      startMs_(clock.nowMs()),
      startFrame_(0) {}

ClockedSoundOut::ClockedSoundOut(Clock& clock, SoundTimeline& timeline)
    : clock_(clock), timeline_(timeline), startMs_(clock.nowMs()), startFrame_(timeline.nowFrame()) {}

SoundTimeline& ClockedSoundOut::timeline() {
  timeline_.advanceTo(startFrame_ + timeline_.framesFor(clock_.nowMs() - startMs_));
  return timeline_;
}

std::optional<SoundTimeline::Placed> ClockedSoundOut::place(
    ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  const std::uint64_t frames = clip ? timeline_.framesFor(clip->playingMs) : 0;
  return timeline().place(std::move(clip), nullptr, frames, gapAfterPreviousMs);
}

void ClockedSoundOut::playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  place(std::move(clip), gapAfterPreviousMs);
}

void ClockedSoundOut::playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  if (const auto placed = place(std::move(clip), gapAfterPreviousMs))
    waitFor(*placed, ClipEdge::LastSample);
}

void ClockedSoundOut::waitUntilHeard(ClipEdge edge) {
  if (const auto last = timeline().last()) waitFor(*last, edge);
}

void ClockedSoundOut::waitFor(const SoundTimeline::Placed& placed, ClipEdge edge) {
  while (waitAWhile(placed, edge)) {
  }
}

bool ClockedSoundOut::waitAWhile(const SoundTimeline::Placed& placed, ClipEdge edge) {
  const auto frame = timeline().pendingFrame(placed, edge, 0);
  if (!frame) return false;
  // Sleeping to the moment itself, not by a count of frames, so the clock
  // lands on the frame's time exactly.
  const double remainingMs = msAt(*frame) - clock_.nowMs();
  if (remainingMs <= 0) return false;
  return clock_.sleepMs(std::min(remainingMs, kLongestSleepMs)) == SleepResult::Completed;
}

void ClockedSoundOut::stop() { timeline().stop(); }

void ClockedSoundOut::shutdown() { timeline_.shutdown(); }

}  // namespace fuda
