#include "adapters/win32/wave_out_sound_out.h"

#include "adapters/std/pcm_to_s16.h"
#include "core/clips/wav_clip.h"

namespace fuda {

namespace {

// About 12 ms each at 44.1 kHz.
constexpr std::uint32_t kBufferFrames = 512;
// A device that has given no buffer back for this long is taken to be gone.
constexpr double kDeviceStallMs = 2000.0;
// How often the feeder asks whether the system's devices changed.
constexpr double kDeviceCheckMs = 500.0;
// How often it tries to open a device while there is none.
constexpr double kReopenMs = 1000.0;
// How often, while there is no device, the clock moves the timeline on.
constexpr DWORD kAwayTickMs = 20;
// The longest the feeder sleeps while a device plays.
constexpr DWORD kFeedTickMs = 100;

}  // namespace

WaveOutSoundOut::WaveOutSoundOut(Clock& clock, MessageSink& messages, Language language,
                                 WaveOutApi api)
    : TimelineSoundOut(clock, messages, language), clock_(clock), api_(api) {
  // A frame is heard once the device has played the buffers queued before it.
  begin(kWantedOutputFormat, 0, kBuffers * kBufferFrames);
  for (auto& buffer : buffers_) buffer.assign(kBufferFrames * frameBytes(kWantedOutputFormat), 0);
  wake_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (wake_ == nullptr || !openDevice()) {
    deviceAway();
    tellNoDevice();
  }
  if (wake_ != nullptr) feeder_ = std::thread([this] { feed(); });
}

WaveOutSoundOut::~WaveOutSoundOut() {
  shutdown();
  ending_ = true;
  if (wake_ != nullptr) SetEvent(wake_);
  if (feeder_.joinable()) feeder_.join();
  closeDevice();
  if (wake_ != nullptr) CloseHandle(wake_);
}

bool WaveOutSoundOut::openDevice() {
  const PcmFormat& format = kWantedOutputFormat;
  WAVEFORMATEX wave{};
  wave.wFormatTag = WAVE_FORMAT_PCM;
  wave.nChannels = format.channels;
  wave.nSamplesPerSec = format.sampleRate;
  wave.wBitsPerSample = format.bitsPerSample;
  wave.nBlockAlign = static_cast<WORD>(frameBytes(format));
  wave.nAvgBytesPerSec = wave.nSamplesPerSec * wave.nBlockAlign;
  HWAVEOUT device = nullptr;
  if (api_.open(&device, WAVE_MAPPER, &wave, reinterpret_cast<DWORD_PTR>(wake_), 0,
                CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    return false;
  }
  device_ = device;
  for (std::size_t i = 0; i < kBuffers; ++i) {
    headers_[i] = WAVEHDR{};
    headers_[i].lpData = reinterpret_cast<LPSTR>(buffers_[i].data());
    headers_[i].dwBufferLength = static_cast<DWORD>(buffers_[i].size());
    api_.prepare(device_, &headers_[i], sizeof(WAVEHDR));
    // Marked done, so the feeder fills and queues each at once.
    headers_[i].dwFlags |= WHDR_DONE;
  }
  return true;
}

void WaveOutSoundOut::closeDevice() {
  if (device_ == nullptr) return;
  api_.reset(device_);  // returns every queued buffer
  for (auto& header : headers_) api_.unprepare(device_, &header, sizeof(WAVEHDR));
  api_.close(device_);
  device_ = nullptr;
}

WaveOutSoundOut::Refilled WaveOutSoundOut::refill() {
  const std::size_t frameSize = frameBytes(outputFormat());
  Refilled refilled = Refilled::None;
  for (std::size_t i = 0; i < kBuffers && !ending_; ++i) {
    if ((headers_[i].dwFlags & WHDR_DONE) == 0) continue;
    headers_[i].dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
    deviceTimeline().render(buffers_[i].data(), buffers_[i].size() / frameSize);
    if (api_.write(device_, &headers_[i], sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
      return Refilled::Refused;
    refilled = Refilled::Some;
  }
  return refilled;
}

// Feeder thread.
void WaveOutSoundOut::feed() {
  UINT devices = api_.deviceCount();
  double lastReturnMs = clock_.nowMs();
  double lastCheckMs = lastReturnMs;
  double lastTryMs = lastReturnMs;
  while (!ending_) {
    const double nowMs = clock_.nowMs();
    if (device_ == nullptr) {
      followClock();
      if (nowMs - lastTryMs >= kReopenMs) {
        lastTryMs = nowMs;
        if (openDevice()) {
          deviceBack();
          devices = api_.deviceCount();
          lastReturnMs = lastCheckMs = nowMs;
          continue;
        }
      }
      WaitForSingleObject(wake_, kAwayTickMs);
      continue;
    }
    const Refilled refilled = refill();
    if (refilled == Refilled::Some) lastReturnMs = nowMs;
    bool lost = refilled == Refilled::Refused || nowMs - lastReturnMs > kDeviceStallMs;
    if (!lost && nowMs - lastCheckMs >= kDeviceCheckMs) {
      lastCheckMs = nowMs;
      const UINT count = api_.deviceCount();
      lost = count != devices;
      devices = count;
    }
    if (lost) {
      // The clock keeps the game's time while the default device is opened
      // again, at once.
      closeDevice();
      deviceAway();
      lastTryMs = nowMs - kReopenMs;
      continue;
    }
    WaitForSingleObject(wake_, kFeedTickMs);
  }
}

WaveOutSoundOut::Samples WaveOutSoundOut::convert(const SoundClip& clip) const {
  auto converted = pcmToS16(clip, kWantedOutputFormat.channels, kWantedOutputFormat.sampleRate);
  if (converted.empty() && clip.dataSize != 0) return nullptr;
  return std::make_shared<const std::vector<std::uint8_t>>(std::move(converted));
}

}  // namespace fuda
