#pragma once
// Sound output through SDL2's audio subsystem. One device is opened at
// construction and runs until destruction, outputting silence while idle, so
// no clip waits for a device to start and the output clock never stops. The
// device's callback pulls frames from a SoundTimeline, where clips are placed
// to the frame. Without a device the output runs silent on the clock.
#include <SDL2/SDL.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "core/ports/clock.h"
#include "core/sound/clocked_sound_out.h"
#include "core/texts/language.h"
#include "core/ports/message_sink.h"
#include "core/ports/sound_out.h"
#include "core/sound/sound_timeline.h"

namespace fuda {

enum class SoundDeviceState { Open, Silent };

class SdlSoundOut : public SoundOut {
 public:
  // GUI thread, at start. Without a usable device the object runs silent
  // (plays keep their timing on `clock`) and says so once through `messages`.
  SdlSoundOut(Clock& clock, MessageSink& messages, Language language);
  // After shutdown() and after every thread that plays has been joined.
  ~SdlSoundOut() override;
  SdlSoundOut(const SdlSoundOut&) = delete;
  SdlSoundOut& operator=(const SdlSoundOut&) = delete;

  // Any thread. The clip is converted to the device's format on the calling
  // thread before it is placed, so the audio thread only copies.
  void playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) override;
  void playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) override;
  void waitUntilHeard(ClipEdge edge) override;
  void stop() override;
  // GUI thread, at program end: stops, wakes every playSync, and every later
  // play returns at once without sound.
  void shutdown() override;

  // What the device runs at; for tests and measurements that read the
  // output back. In silent mode, the format the device was asked for.
  SoundDeviceState state() const { return silent_ ? SoundDeviceState::Silent : SoundDeviceState::Open; }
  PcmFormat outputFormat() const { return timeline().format(); }
  std::uint32_t bufferFrames() const { return bufferFrames_; }
  // Frames handed to the device since it was opened (the device may have
  // played a buffer of silence before the first call).
  std::uint64_t framesOutput() const { return timeline().nowFrame(); }
  using Placement = SoundTimeline::Placement;
  std::optional<Placement> lastPlacement() const { return timeline().lastPlacement(); }

 private:
  using Samples = SoundTimeline::Samples;

  void openDevice(Clock& clock);
  static void SDLCALL fillCallback(void* self, Uint8* stream, int length);
  Samples convert(const SoundClip& clip) const;
  std::uint64_t framesFor(const SoundClip& clip, const Samples& samples) const;
  const SoundTimeline& timeline() const {
    return silent_ ? silent_->timeline() : *deviceTimeline_;
  }
  void waitUntilOutput(const SoundTimeline::Placed& placed, ClipEdge edge);

  SDL_AudioDeviceID device_ = 0;
  bool audioInitialised_ = false;
  SDL_AudioFormat sdlFormat_ = AUDIO_S16SYS;
  std::uint32_t bufferFrames_ = 0;
  // Exactly one of the two: the device's timeline, or the silent output.
  std::unique_ptr<SoundTimeline> deviceTimeline_;
  std::unique_ptr<ClockedSoundOut> silent_;
};

}  // namespace fuda
