#pragma once
// Sound output through SDL2's audio subsystem. One device is opened at
// construction and runs until destruction, outputting silence while idle, so
// no clip waits for a device to start and the output clock never stops. The
// clock is the count of frames handed to the device; clips are placed on it
// to the frame, which makes the pause between two verses exact.
#include <SDL2/SDL.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "common/clock.h"
#include "common/language.h"
#include "common/message_sink.h"
#include "common/sound_out.h"

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
  void shutdown();

  // What the device runs at; for tests and measurements that read the
  // output back. In silent mode, the format the device was asked for.
  SoundDeviceState state() const { return state_; }
  PcmFormat outputFormat() const { return outputFormat_; }
  std::uint32_t bufferFrames() const { return bufferFrames_; }
  // Frames our callback has handed to the device since it was opened (the
  // device may have played a buffer of silence before the first call).
  std::uint64_t framesOutput() const;

  // Where the clip started last lies on the output clock: its first frame and
  // the frame after its last (earlier if it was cut short). A clip dropped by
  // a stop before it began no longer counts.
  struct Placement {
    std::uint64_t firstFrame = 0;
    std::uint64_t endFrame = 0;
  };
  std::optional<Placement> lastPlacement() const;

 private:
  using Samples = std::shared_ptr<const std::vector<std::uint8_t>>;
  struct Playing {
    ClipRef clip;      // kept alive while it may sound
    Samples samples;   // device format; null: silence
    Placement placement;
  };
  // What a waiter needs: where its clip lies, and the cut count that tells
  // whether it was cut since.
  struct Placed {
    Placement placement;
    std::uint64_t cuts = 0;
  };

  void openDevice();
  static void SDLCALL fillCallback(void* self, Uint8* stream, int length);
  void fill(Uint8* stream, int length);
  Samples convert(const SoundClip& clip) const;
  std::uint64_t framesFor(const SoundClip& clip, const Samples& samples) const;
  std::optional<Placed> place(ClipRef clip, std::optional<double> gapAfterPreviousMs);
  void waitUntilOutput(const Placed& placed, ClipEdge edge);
  std::uint64_t nowFrameLocked() const;
  // Ends what plays at `now` and drops what has not begun.
  void cutAllLocked(std::uint64_t now);

  Clock& clock_;
  SoundDeviceState state_ = SoundDeviceState::Silent;
  SDL_AudioDeviceID device_ = 0;
  bool audioInitialised_ = false;
  PcmFormat outputFormat_;
  SDL_AudioFormat sdlFormat_ = AUDIO_S16SYS;
  std::uint8_t silenceByte_ = 0;
  std::uint32_t bufferFrames_ = 0;
  double openedAtMs_ = 0.0;

  mutable std::mutex mutex_;
  std::condition_variable progressed_;
  std::uint64_t framesOutput_ = 0;         // the output clock; written by the audio thread
  // Clips placed and not yet over, in order; they never overlap, and the
  // last is the clip started last (kept after it ended, for the next gap).
  std::deque<Playing> placed_;
  bool hasPrevious_ = false;               // a clip was started since the last stop
  std::uint64_t cuts_ = 0;                 // how often clips were cut or dropped
  bool shutDown_ = false;
};

}  // namespace fuda
