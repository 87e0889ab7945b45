#include "adapters/win32/wave_out_sound_out.h"

#include <algorithm>
#include <cmath>

#include "core/clips/wav_clip.h"
#include "adapters/std/pcm_to_s16.h"

namespace fuda {

namespace {

constexpr std::uint32_t kRate = 44100;
constexpr std::uint16_t kChannels = 2;
// About 12 ms each at 44.1 kHz: a play or stop is heard within a few buffers.
constexpr std::uint32_t kBufferFrames = 512;
// If the device stops taking buffers, a playSync gives up after this long
// without progress instead of hanging.
constexpr double kStallLimitMs = 2000.0;

PcmFormat deviceFormat() {
  PcmFormat format;
  format.formatTag = 1;
  format.channels = kChannels;
  format.sampleRate = kRate;
  format.bitsPerSample = 16;
  return format;
}

}  // namespace

WaveOutSoundOut::WaveOutSoundOut(Clock& clock) {
  if (!openDevice()) silent_ = std::make_unique<ClockedSoundOut>(clock, deviceFormat());
}

WaveOutSoundOut::~WaveOutSoundOut() {
  shutdown();
  closeDevice();
}

bool WaveOutSoundOut::openDevice() {
  bufferDone_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (bufferDone_ == nullptr) return false;
  const PcmFormat format = deviceFormat();
  WAVEFORMATEX wave{};
  wave.wFormatTag = WAVE_FORMAT_PCM;
  wave.nChannels = format.channels;
  wave.nSamplesPerSec = format.sampleRate;
  wave.wBitsPerSample = format.bitsPerSample;
  wave.nBlockAlign = static_cast<WORD>(frameBytes(format));
  wave.nAvgBytesPerSec = wave.nSamplesPerSec * wave.nBlockAlign;
  if (waveOutOpen(&device_, WAVE_MAPPER, &wave, reinterpret_cast<DWORD_PTR>(bufferDone_), 0,
                  CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    device_ = nullptr;
    CloseHandle(bufferDone_);
    bufferDone_ = nullptr;
    return false;
  }
  deviceTimeline_ = std::make_unique<SoundTimeline>(format, 0);
  for (std::size_t i = 0; i < kBuffers; ++i) {
    buffers_[i].assign(kBufferFrames * frameBytes(format), 0);
    headers_[i].lpData = reinterpret_cast<LPSTR>(buffers_[i].data());
    headers_[i].dwBufferLength = static_cast<DWORD>(buffers_[i].size());
    waveOutPrepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
    // Marked done, so the output thread fills and queues each at once.
    headers_[i].dwFlags |= WHDR_DONE;
  }
  feeder_ = std::thread([this] { feed(); });
  return true;
}

void WaveOutSoundOut::closeDevice() {
  if (device_ == nullptr) return;
  ending_ = true;
  SetEvent(bufferDone_);
  if (feeder_.joinable()) feeder_.join();
  waveOutReset(device_);  // returns every queued buffer
  for (auto& header : headers_) waveOutUnprepareHeader(device_, &header, sizeof(WAVEHDR));
  waveOutClose(device_);
  CloseHandle(bufferDone_);
  device_ = nullptr;
}

// Output thread.
void WaveOutSoundOut::feed() {
  const std::size_t frameSize = frameBytes(deviceTimeline_->format());
  while (!ending_) {
    for (std::size_t i = 0; i < kBuffers && !ending_; ++i) {
      if ((headers_[i].dwFlags & WHDR_DONE) == 0) continue;
      headers_[i].dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
      deviceTimeline_->render(buffers_[i].data(), buffers_[i].size() / frameSize);
      waveOutWrite(device_, &headers_[i], sizeof(WAVEHDR));
    }
    WaitForSingleObject(bufferDone_, 100);
  }
}

std::optional<SoundTimeline::Placed> WaveOutSoundOut::place(ClipRef clip,
                                                            std::optional<double> gap) {
  if (silent_) return silent_->place(std::move(clip), gap);
  Samples samples;
  std::uint64_t frames = 0;
  if (clip) {
    auto converted = pcmToS16(*clip, kChannels, kRate);
    if (!converted.empty() || clip->dataSize == 0) {
      frames = converted.size() / frameBytes(deviceTimeline_->format());
      samples = std::make_shared<const std::vector<std::uint8_t>>(std::move(converted));
    } else {
      // A clip we could not convert is silent but keeps its time, so the
      // game's rhythm holds.
      frames = static_cast<std::uint64_t>(std::llround(std::max(0.0, clip->playingMs) * kRate / 1000.0));
    }
  }
  return deviceTimeline_->place(std::move(clip), std::move(samples), frames, gap);
}

void WaveOutSoundOut::playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  place(std::move(clip), gapAfterPreviousMs);
}

void WaveOutSoundOut::playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  if (silent_) return silent_->playSync(std::move(clip), gapAfterPreviousMs);
  if (const auto placed = place(std::move(clip), gapAfterPreviousMs)) {
    // A frame is heard once the device has played the buffers queued before it.
    deviceTimeline_->waitWhileRendered(*placed, ClipEdge::LastSample, kBuffers * kBufferFrames,
                                       kStallLimitMs);
  }
}

void WaveOutSoundOut::waitUntilHeard(ClipEdge edge) {
  if (silent_) return silent_->waitUntilHeard(edge);
  if (const auto last = deviceTimeline_->last())
    deviceTimeline_->waitWhileRendered(*last, edge, kBuffers * kBufferFrames, kStallLimitMs);
}

void WaveOutSoundOut::stop() {
  if (silent_) return silent_->stop();
  deviceTimeline_->stop();
}

void WaveOutSoundOut::shutdown() {
  if (silent_) return silent_->shutdown();
  deviceTimeline_->shutdown();
}

}  // namespace fuda
