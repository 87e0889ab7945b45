#pragma once
// Sound output through the page's audio worklet. The worklet takes frames
// from a ring in the program's shared memory as the browser's audio thread
// asks for them; a feeder thread keeps the ring filled from a SoundTimeline,
// where clips are placed to the frame, and is woken by each take. So the
// timeline's clock runs at the pace of the worklet's output, and every pause
// is exact in what the page renders.
#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>
#include <vector>

#include "core/ports/sound_out.h"
#include "core/sound/sound_timeline.h"

namespace fuda {

// The ring as sound_worklet.js reads it: five 32-bit words, then the
// samples (16-bit, channels interleaved) at `samples`.
struct SoundRing {
  std::atomic<std::uint32_t> taken{0};      // frames the worklet has taken
  std::atomic<std::uint32_t> written{0};    // frames the feeder has written
  std::atomic<std::uint32_t> underruns{0};  // render quanta the ring ran short
  std::uint32_t capacityFrames = 0;         // a power of two
  std::int16_t* samples = nullptr;
};

class WebSoundOut : public SoundOut {
 public:
  static constexpr std::uint16_t kChannels = 2;

  // Core thread, at start. `sampleRate`: the page's audio context's.
  explicit WebSoundOut(std::uint32_t sampleRate);
  // After shutdown() and after every thread that plays has been joined.
  ~WebSoundOut() override;
  WebSoundOut(const WebSoundOut&) = delete;
  WebSoundOut& operator=(const WebSoundOut&) = delete;

  // Any thread. The clip is converted on the calling thread before it is
  // placed, so the feeder only copies.
  void playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) override;
  void playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) override;
  void waitUntilHeard(ClipEdge edge) override;
  void stop() override;
  // Core thread, at program end: stops, wakes every wait, and every later
  // play returns at once without sound.
  void shutdown() override;

  // For the page, which hands it to its worklet.
  const SoundRing& ring() const { return ring_; }

 private:
  void feed();
  std::optional<SoundTimeline::Placed> place(ClipRef clip, std::optional<double> gap);

  SoundTimeline timeline_;
  std::vector<std::int16_t> samples_;
  SoundRing ring_;
  std::atomic<bool> ending_{false};
  std::thread feeder_;
};

}  // namespace fuda
