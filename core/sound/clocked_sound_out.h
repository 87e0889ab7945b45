#pragma once
// Sound output without a device: the timeline's clock follows the Clock port,
// so every clip keeps its exact place and length and waits end when they
// would have been heard, but nothing sounds. A sound output drives its own
// timeline through it while it has no device; tests play through it in
// virtual time.
#include <cstdint>
#include <memory>
#include <optional>

#include "core/ports/clock.h"
#include "core/ports/sound_out.h"
#include "core/sound/sound_timeline.h"

namespace fuda {

class ClockedSoundOut : public SoundOut {
 public:
  // A timeline of its own, starting at the clock's present moment.
  ClockedSoundOut(Clock& clock, PcmFormat format);
  // Drives `timeline` (which outlives this object) on from its present frame,
  // which is taken to be the clock's present moment.
  ClockedSoundOut(Clock& clock, SoundTimeline& timeline);

  // All: any thread.
  void playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) override;
  void playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) override;
  void waitUntilHeard(ClipEdge edge) override;
  void stop() override;
  // At program end: stops, and every later play returns at once.
  void shutdown() override;

  // The timeline brought up to the clock's present moment.
  SoundTimeline& timeline();
  // playAsync, telling where the clip was placed.
  std::optional<SoundTimeline::Placed> place(ClipRef clip,
                                             std::optional<double> gapAfterPreviousMs);
  // The clock's time of a frame of the timeline.
  double msAt(std::uint64_t frame) const {
    return startMs_ + timeline_.msFor(frame) - timeline_.msFor(startFrame_);
  }
  // Sleeps on the clock until the edge of `placed` is heard, or it is cut.
  void waitFor(const SoundTimeline::Placed& placed, ClipEdge edge);
  // One step of waitFor: sleeps a short while towards that moment; false
  // once there is nothing more to wait for.
  bool waitAWhile(const SoundTimeline::Placed& placed, ClipEdge edge);

 private:
  Clock& clock_;
  std::unique_ptr<SoundTimeline> owned_;
  SoundTimeline& timeline_;
  double startMs_;
  std::uint64_t startFrame_;
};

}  // namespace fuda
