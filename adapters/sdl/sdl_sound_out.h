#pragma once
// Sound output through SDL2's audio subsystem. One device is opened at
// construction and runs until destruction, outputting silence while idle, so
// no clip waits for a device to start and the output clock never stops. The
// device's callback pulls frames from the timeline of TimelineSoundOut.
// Without a device the output runs silent on the clock, and says so once.
#include <SDL2/SDL.h>

#include <cstdint>

#include "core/ports/clock.h"
#include "core/ports/message_sink.h"
#include "core/sound/timeline_sound_out.h"
#include "core/texts/language.h"

namespace fuda {

class SdlSoundOut : public TimelineSoundOut {
 public:
  // GUI thread, at start. Without a usable device the object runs silent
  // (plays keep their timing on `clock`) and says so once through `messages`.
  SdlSoundOut(Clock& clock, MessageSink& messages, Language language);
  // After shutdown() and after every thread that plays has been joined.
  ~SdlSoundOut() override;
  SdlSoundOut(const SdlSoundOut&) = delete;
  SdlSoundOut& operator=(const SdlSoundOut&) = delete;

  // The device's buffer, in frames; for measurements.
  std::uint32_t bufferFrames() const { return bufferFrames_; }

 private:
  bool openDevice();
  static void SDLCALL fillCallback(void* self, Uint8* stream, int length);
  // The thread that plays: SDL converts the clip to the device's format, so
  // the audio thread only copies.
  Samples convert(const SoundClip& clip) const override;

  SDL_AudioDeviceID device_ = 0;
  bool audioInitialised_ = false;
  SDL_AudioFormat sdlFormat_ = AUDIO_S16SYS;
  std::uint32_t bufferFrames_ = 0;
};

}  // namespace fuda
