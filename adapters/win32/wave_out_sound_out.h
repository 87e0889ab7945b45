#pragma once
// Sound output through the WinMM wave-out device. The device is opened at
// construction and runs until destruction, playing silence while idle, so no
// clip waits for a device to start and the output clock never stops. A
// feeder thread of its own keeps a few buffers queued, each filled from the
// timeline of TimelineSoundOut. When the device fails, stops taking buffers,
// or the system's devices change (headphones unplugged, a speaker plugged
// in), the feeder closes it and opens the default device again; while there
// is none, the clock moves the timeline and the feeder tries again now and
// then. Without a device at start the user is told once.
#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "core/ports/clock.h"
#include "core/ports/message_sink.h"
#include "core/sound/timeline_sound_out.h"
#include "core/texts/language.h"

namespace fuda {

// The WinMM calls the output makes, so that tests can put a device of their
// own in their place.
struct WaveOutApi {
  decltype(&::waveOutOpen) open = ::waveOutOpen;
  decltype(&::waveOutPrepareHeader) prepare = ::waveOutPrepareHeader;
  decltype(&::waveOutWrite) write = ::waveOutWrite;
  decltype(&::waveOutReset) reset = ::waveOutReset;
  decltype(&::waveOutUnprepareHeader) unprepare = ::waveOutUnprepareHeader;
  decltype(&::waveOutClose) close = ::waveOutClose;
  decltype(&::waveOutGetNumDevs) deviceCount = ::waveOutGetNumDevs;
};

class WaveOutSoundOut : public TimelineSoundOut {
 public:
  // GUI thread, at start.
  WaveOutSoundOut(Clock& clock, MessageSink& messages, Language language, WaveOutApi api = {});
  // After shutdown() and after every thread that plays has been joined.
  ~WaveOutSoundOut() override;
  WaveOutSoundOut(const WaveOutSoundOut&) = delete;
  WaveOutSoundOut& operator=(const WaveOutSoundOut&) = delete;

 private:
  // About 90 ms queued: a feeder that a busy machine keeps waiting for
  // 50 ms still finds the device playing, where four buffers left a gap in
  // the sound (a pause heard 10 ms too long under Wine), and a stop is heard
  // within a tenth of a second.
  static constexpr std::size_t kBuffers = 8;
  enum class Refilled { None, Some, Refused };

  // Constructor, then the feeder thread.
  bool openDevice();
  void closeDevice();
  // Feeder thread: refills each buffer the device is done with, and reopens
  // the device when it is lost.
  void feed();
  // Feeder thread: fills and queues again the buffers the device is done
  // with, telling whether there were any and whether the device refused one.
  Refilled refill();
  // The thread that plays: the clip as 16-bit samples at the device's rate.
  Samples convert(const SoundClip& clip) const override;

  Clock& clock_;
  const WaveOutApi api_;
  HWAVEOUT device_ = nullptr;
  HANDLE wake_ = nullptr;  // signalled by the device as buffers come back, and at the end
  std::array<WAVEHDR, kBuffers> headers_{};
  std::array<std::vector<std::uint8_t>, kBuffers> buffers_;
  std::atomic<bool> ending_{false};
  std::thread feeder_;
};

}  // namespace fuda
