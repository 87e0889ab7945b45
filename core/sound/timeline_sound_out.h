#pragma once
// What every sound output with a device shares: clips converted to the
// device's format and placed on one SoundTimeline, waits that end when the
// device has output a frame, and the clock taking the device's place while
// there is none, so every clip keeps its time and the game its rhythm. The
// user is told once when no device can be opened. A platform's adapter opens
// its device, converts clips, and pulls frames from the timeline in its
// callback or feeder thread.
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "core/ports/clock.h"
#include "core/ports/message_sink.h"
#include "core/ports/sound_out.h"
#include "core/sound/clocked_sound_out.h"
#include "core/sound/sound_timeline.h"
#include "core/texts/language.h"

namespace fuda {

enum class SoundDeviceState { Open, Silent };

// What a device is asked for: 16-bit integer stereo at 44.1 kHz, which every
// sound card takes and every clip of a voice converts to without loss of
// what is heard.
inline constexpr PcmFormat kWantedOutputFormat{1, 2, 44100, 16};

class TimelineSoundOut : public SoundOut {
 public:
  using Samples = SoundTimeline::Samples;
  using Placement = SoundTimeline::Placement;

  // Any thread, after the adapter's constructor has called begin().
  void playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) final;
  void playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) final;
  void waitUntilHeard(ClipEdge edge) final;
  void stop() final;
  // GUI thread, at program end: stops, wakes every wait, and every later
  // play returns at once without sound.
  void shutdown() final;

  // For tests and measurements that read the output back: whether a device
  // outputs now, the format the timeline runs at, and the frames output (or
  // passed on the clock) since begin().
  SoundDeviceState state() const;
  const PcmFormat& outputFormat() const { return timeline_->format(); }
  std::uint64_t framesOutput() const;
  std::optional<Placement> lastPlacement() const;

 protected:
  // GUI thread, at start.
  TimelineSoundOut(Clock& clock, MessageSink& messages, Language language);
  ~TimelineSoundOut() override;

  // The adapter's constructor, once it knows the format it outputs (a device
  // it failed to open: the format it asked for). `latencyFrames`: how many
  // frames the device takes ahead of what it plays.
  void begin(PcmFormat format, std::uint8_t silenceByte, std::uint64_t latencyFrames);
  // The device's thread (or the constructor): no device outputs from here
  // on, and the clock moves the timeline until deviceBack().
  void deviceAway();
  // The device's thread: a device outputs again, going on from the frame the
  // clock has reached.
  void deviceBack();
  // While away: brings the timeline up to the clock, waking the waits it
  // ends. A feeder thread calls it now and then; without one, every play and
  // wait does.
  void followClock();
  // Says once per object that no device could be opened.
  void tellNoDevice();
  // Where the device's callback or feeder thread pulls its frames.
  SoundTimeline& deviceTimeline() { return *timeline_; }

  // The thread that plays: `clip`'s samples in the output format, or null
  // for a clip that cannot be converted (it keeps its time without sound).
  virtual Samples convert(const SoundClip& clip) const = 0;

 private:
  std::optional<SoundTimeline::Placed> place(ClipRef clip, std::optional<double> gap);
  void waitFor(const SoundTimeline::Placed& placed, ClipEdge edge);
  std::shared_ptr<ClockedSoundOut> clockWhileAway() const;

  Clock& clock_;
  MessageSink& messages_;
  const Language language_;
  std::unique_ptr<SoundTimeline> timeline_;
  std::uint64_t latencyFrames_ = 0;
  std::once_flag told_;
  mutable std::mutex awayMutex_;
  // Set while no device outputs: it moves the timeline on the clock.
  std::shared_ptr<ClockedSoundOut> away_;
};

}  // namespace fuda
