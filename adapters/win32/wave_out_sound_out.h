#pragma once
// Sound output through the WinMM wave-out device. One device is opened at
// construction and runs until destruction, playing silence while idle, so no
// clip waits for a device to start and the output clock never stops. A
// thread of its own keeps a few buffers queued, each filled from a
// SoundTimeline where clips are placed to the frame. Without a device the
// output runs silent on the clock.
#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "core/ports/clock.h"
#include "core/sound/clocked_sound_out.h"
#include "core/ports/sound_out.h"
#include "core/sound/sound_timeline.h"

namespace fuda {

class WaveOutSoundOut : public SoundOut {
 public:
  // GUI thread, at start. Without a usable device the object runs silent.
  explicit WaveOutSoundOut(Clock& clock);
  // After every thread that plays has been joined.
  ~WaveOutSoundOut() override;
  WaveOutSoundOut(const WaveOutSoundOut&) = delete;
  WaveOutSoundOut& operator=(const WaveOutSoundOut&) = delete;

  // Any thread. The clip is converted to the device's format on the calling
  // thread before it is placed, so the output thread only copies.
  void playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) override;
  void playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs = {}) override;
  void waitUntilHeard(ClipEdge edge) override;
  void stop() override;
  // GUI thread, at program end: stops, wakes every playSync, and every later
  // play returns at once without sound.
  void shutdown() override;

  bool hasDevice() const { return device_ != nullptr; }
  // Frames handed to the device since it was opened.
  std::uint64_t framesOutput() const { return timeline().nowFrame(); }

 private:
  static constexpr std::size_t kBuffers = 4;
  using Samples = SoundTimeline::Samples;

  bool openDevice();
  void closeDevice();
  // Output thread: refills each buffer the device is done with.
  void feed();
  std::optional<SoundTimeline::Placed> place(ClipRef clip, std::optional<double> gap);
  const SoundTimeline& timeline() const {
    return silent_ ? silent_->timeline() : *deviceTimeline_;
  }

  HWAVEOUT device_ = nullptr;
  HANDLE bufferDone_ = nullptr;  // signalled by the device as buffers come back
  std::array<WAVEHDR, kBuffers> headers_{};
  std::array<std::vector<std::uint8_t>, kBuffers> buffers_;
  std::atomic<bool> ending_{false};
  std::thread feeder_;
  // Exactly one of the two: the device's timeline, or the silent output.
  std::unique_ptr<SoundTimeline> deviceTimeline_;
  std::unique_ptr<ClockedSoundOut> silent_;
};

}  // namespace fuda
