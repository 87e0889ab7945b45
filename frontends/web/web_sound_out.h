#pragma once
// Sound output through the page's audio worklet. The worklet takes frames
// from a ring in the program's shared memory as the browser's audio thread
// asks for them; a feeder thread keeps the ring filled from the timeline of
// TimelineSoundOut, where clips are placed to the frame, and is woken by each
// take. So the timeline's clock runs at the pace of the worklet's output, and
// every pause is exact in what the page renders. When the page's audio does
// not run (a context the browser keeps suspended, no output device) while a
// clip waits to be heard, the user is told once and the clock keeps the
// game's time until the worklet takes frames again.
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "core/ports/clock.h"
#include "core/ports/message_sink.h"
#include "core/sound/timeline_sound_out.h"
#include "core/texts/language.h"

namespace fuda {

// The ring as sound_worklet.js and the page read it: five 32-bit words, then
// the samples (16-bit, channels interleaved) at `samples`.
struct SoundRing {
  std::atomic<std::uint32_t> taken{0};      // frames the worklet has taken
  std::atomic<std::uint32_t> written{0};    // frames the feeder has written
  std::atomic<std::uint32_t> underruns{0};  // render quanta the ring ran short
  std::uint32_t capacityFrames = 0;         // a power of two
  std::int16_t* samples = nullptr;
};

class WebSoundOut : public TimelineSoundOut {
 public:
  static constexpr std::uint16_t kChannels = 2;

  // Core thread, at start. `sampleRate`: the page's audio context's.
  WebSoundOut(Clock& clock, MessageSink& messages, Language language, std::uint32_t sampleRate);
  // After shutdown() and after every thread that plays has been joined.
  ~WebSoundOut() override;
  WebSoundOut(const WebSoundOut&) = delete;
  WebSoundOut& operator=(const WebSoundOut&) = delete;

  // For the page, which hands it to its worklet.
  const SoundRing& ring() const { return ring_; }

 private:
  void feed();
  // Feeder thread: writes frames from the timeline until the ring holds its
  // lead.
  void topUp();
  // Whether a clip placed on the timeline has not yet been heard.
  bool soundAwaited();
  // The thread that plays: the clip as 16-bit samples at the page's rate.
  Samples convert(const SoundClip& clip) const override;

  Clock& clock_;
  std::vector<std::int16_t> samples_;
  SoundRing ring_;
  std::atomic<bool> ending_{false};
  std::thread feeder_;
};

}  // namespace fuda
