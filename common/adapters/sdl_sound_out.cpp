#include "common/adapters/sdl_sound_out.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstring>

#include "common/wav_clip.h"

namespace fuda {

namespace {

constexpr int kWantedRate = 44100;
constexpr int kWantedChannels = 2;
// About 12 ms at 44.1 kHz: short enough that a play or stop is heard at once.
constexpr int kWantedBufferFrames = 512;
// If the audio thread stops calling back (a device gone wrong), a playSync
// gives up after this long without progress instead of hanging.
constexpr double kStallLimitMs = 2000.0;
constexpr double kLongestWaitSliceMs = 50.0;

constexpr LocalText kNoDeviceCaption{"音声出力", "Sound Output"};
constexpr LocalText kNoDeviceText{
    "音声出力装置を開けません。音声なしで動作します。",
    "No sound output device could be opened; the program runs silent."};

PcmFormat pcmFormatOf(const SDL_AudioSpec& device) {
  PcmFormat format;
  format.formatTag = SDL_AUDIO_ISFLOAT(device.format) ? 3 : 1;
  format.channels = device.channels;
  format.sampleRate = static_cast<std::uint32_t>(device.freq);
  format.bitsPerSample = static_cast<std::uint16_t>(SDL_AUDIO_BITSIZE(device.format));
  return format;
}

// 24-bit samples, which SDL cannot convert, as 32-bit ones with the same level.
std::vector<std::uint8_t> widen24(const std::uint8_t* data, std::size_t bytes) {
  std::vector<std::uint8_t> out;
  out.reserve(bytes / 3 * 4);
  for (std::size_t i = 0; i + 3 <= bytes; i += 3) {
    out.push_back(0);
    out.push_back(data[i]);
    out.push_back(data[i + 1]);
    out.push_back(data[i + 2]);
  }
  return out;
}

}  // namespace

SdlSoundOut::SdlSoundOut(Clock& clock, MessageSink& messages, Language language)
    : clock_(clock) {
  outputFormat_.formatTag = 1;
  outputFormat_.channels = kWantedChannels;
  outputFormat_.sampleRate = kWantedRate;
  outputFormat_.bitsPerSample = 16;
  openDevice();
  openedAtMs_ = clock_.nowMs();
  if (state_ == SoundDeviceState::Silent) {
    messages.showMessage(pick(language, kNoDeviceCaption), pick(language, kNoDeviceText),
                         MessageOwner::None);
  }
}

SdlSoundOut::~SdlSoundOut() {
  shutdown();
  if (device_ != 0) SDL_CloseAudioDevice(device_);  // joins the audio thread
  if (audioInitialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundOut::openDevice() {
  // Only the audio subsystem is used; signals stay the program's business.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  audioInitialised_ = true;
  SDL_AudioSpec wanted{};
  wanted.freq = kWantedRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = kWantedChannels;
  wanted.samples = kWantedBufferFrames;
  wanted.callback = &SdlSoundOut::fillCallback;
  wanted.userdata = this;
  SDL_AudioSpec obtained{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
  if (device_ == 0) return;
  state_ = SoundDeviceState::Open;
  sdlFormat_ = obtained.format;
  outputFormat_ = pcmFormatOf(obtained);
  silenceByte_ = obtained.silence;
  bufferFrames_ = obtained.samples;
  SDL_PauseAudioDevice(device_, 0);
}

void SDLCALL SdlSoundOut::fillCallback(void* self, Uint8* stream, int length) {
  static_cast<SdlSoundOut*>(self)->fill(stream, length);
}

// Audio thread.
void SdlSoundOut::fill(Uint8* stream, int length) {
  const std::size_t frameSize = frameBytes(outputFormat_);
  const auto frames = static_cast<std::uint64_t>(length) / frameSize;
  std::memset(stream, silenceByte_, static_cast<std::size_t>(length));
  {
    std::lock_guard lock(mutex_);
    const std::uint64_t from = framesOutput_;
    const std::uint64_t to = from + frames;
    for (const Playing& playing : placed_) {
      if (!playing.samples) continue;
      const Placement& at = playing.placement;
      const std::uint64_t first = std::max(from, at.firstFrame);
      const std::uint64_t last = std::min(to, at.endFrame);
      if (first < last) {
        std::memcpy(stream + (first - from) * frameSize,
                    playing.samples->data() + (first - at.firstFrame) * frameSize,
                    (last - first) * frameSize);
      }
    }
    framesOutput_ = to;
    // Clips over are let go, all but the last, whose end the next gap needs.
    while (placed_.size() > 1 && placed_.front().placement.endFrame <= to) placed_.pop_front();
  }
  progressed_.notify_all();
}

SdlSoundOut::Samples SdlSoundOut::convert(const SoundClip& clip) const {
  const PcmFormat& format = clip.format;
  const std::size_t frameSize = frameBytes(format);
  if (frameSize == 0 || clip.dataOffset > clip.bytes.size()) return nullptr;
  std::size_t bytes = std::min(clip.dataSize, clip.bytes.size() - clip.dataOffset);
  bytes -= bytes % frameSize;
  const std::uint8_t* data = clip.bytes.data() + clip.dataOffset;

  std::vector<std::uint8_t> widened;
  SDL_AudioFormat source = AUDIO_S16LSB;
  switch (format.bitsPerSample) {
    case 8:
      source = AUDIO_U8;
      break;
    case 16:
      source = AUDIO_S16LSB;
      break;
    case 24:
      widened = widen24(data, bytes);
      data = widened.data();
      bytes = widened.size();
      source = AUDIO_S32LSB;
      break;
    case 32:
      source = format.formatTag == 3 ? AUDIO_F32LSB : AUDIO_S32LSB;
      break;
    default:
      return nullptr;
  }

  if (source == sdlFormat_ && format.channels == outputFormat_.channels &&
      format.sampleRate == outputFormat_.sampleRate) {
    return std::make_shared<const std::vector<std::uint8_t>>(data, data + bytes);
  }

  // SDL_AudioCVT rather than SDL_AudioStream: the stream's flush drops the
  // resampler's last few milliseconds, and a clip must be heard whole.
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, source, static_cast<Uint8>(format.channels),
                        static_cast<int>(format.sampleRate), sdlFormat_,
                        static_cast<Uint8>(outputFormat_.channels),
                        static_cast<int>(outputFormat_.sampleRate)) < 0) {
    return nullptr;
  }
  const auto multiple = static_cast<std::size_t>(std::max(1, cvt.len_mult));
  if (bytes > static_cast<std::size_t>(INT_MAX) / multiple) return nullptr;
  std::vector<std::uint8_t> work(bytes * multiple);
  std::memcpy(work.data(), data, bytes);
  cvt.buf = work.data();
  cvt.len = static_cast<int>(bytes);
  if (SDL_ConvertAudio(&cvt) != 0) return nullptr;
  work.resize(static_cast<std::size_t>(std::max(0, cvt.len_cvt)));
  work.resize(work.size() - work.size() % frameBytes(outputFormat_));
  work.shrink_to_fit();
  return std::make_shared<const std::vector<std::uint8_t>>(std::move(work));
}

std::uint64_t SdlSoundOut::framesFor(const SoundClip& clip, const Samples& samples) const {
  if (samples) return samples->size() / frameBytes(outputFormat_);
  // A clip we could not convert is silent but keeps its time, so the game's
  // rhythm holds.
  return static_cast<std::uint64_t>(
      std::llround(std::max(0.0, clip.playingMs) * outputFormat_.sampleRate / 1000.0));
}

std::uint64_t SdlSoundOut::nowFrameLocked() const {
  if (state_ == SoundDeviceState::Open) return framesOutput_;
  const double elapsedMs = std::max(0.0, clock_.nowMs() - openedAtMs_);
  return static_cast<std::uint64_t>(elapsedMs * outputFormat_.sampleRate / 1000.0);
}

std::uint64_t SdlSoundOut::framesOutput() const {
  std::lock_guard lock(mutex_);
  return nowFrameLocked();
}

std::optional<SdlSoundOut::Placement> SdlSoundOut::lastPlacement() const {
  std::lock_guard lock(mutex_);
  if (placed_.empty()) return std::nullopt;
  return placed_.back().placement;
}

void SdlSoundOut::cutAllLocked(std::uint64_t now) {
  std::erase_if(placed_,
                [now](const Playing& playing) { return playing.placement.firstFrame >= now; });
  for (Playing& playing : placed_) {
    Placement& at = playing.placement;
    at.endFrame = std::min(at.endFrame, std::max(now, at.firstFrame));
  }
  ++cuts_;
}

std::optional<SdlSoundOut::Placed> SdlSoundOut::place(ClipRef clip,
                                                      std::optional<double> gapAfterPreviousMs) {
  {
    std::lock_guard lock(mutex_);
    if (shutDown_) return std::nullopt;
  }
  Samples samples = clip ? convert(*clip) : nullptr;
  const std::uint64_t frames = clip ? framesFor(*clip, samples) : 0;

  std::optional<Placed> placed;
  {
    std::lock_guard lock(mutex_);
    if (shutDown_) return std::nullopt;
    const std::uint64_t now = nowFrameLocked();
    const bool follows = clip && gapAfterPreviousMs && hasPrevious_ && !placed_.empty();
    std::uint64_t first = now;
    if (follows) {
      const auto gapFrames = static_cast<std::uint64_t>(std::llround(
          std::max(0.0, *gapAfterPreviousMs) * outputFormat_.sampleRate / 1000.0));
      first = std::max(now, placed_.back().placement.endFrame + gapFrames);
    } else {
      cutAllLocked(now);
    }
    if (!clip) {
      placed_.clear();
      hasPrevious_ = false;
    } else {
      placed_.push_back({std::move(clip), std::move(samples), {first, first + frames}});
      hasPrevious_ = true;
      placed = Placed{placed_.back().placement, cuts_};
    }
  }
  // A playSync of a clip just cut returns now.
  progressed_.notify_all();
  return placed;
}

void SdlSoundOut::playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  place(std::move(clip), gapAfterPreviousMs);
}

void SdlSoundOut::playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  const auto placed = place(std::move(clip), gapAfterPreviousMs);
  if (placed) waitUntilOutput(*placed, ClipEdge::LastSample);
}

void SdlSoundOut::waitUntilHeard(ClipEdge edge) {
  std::optional<Placed> last;
  {
    std::lock_guard lock(mutex_);
    if (shutDown_ || !hasPrevious_ || placed_.empty()) return;
    last = Placed{placed_.back().placement, cuts_};
  }
  waitUntilOutput(*last, edge);
}

void SdlSoundOut::waitUntilOutput(const Placed& placed, ClipEdge edge) {
  using namespace std::chrono;
  // A frame is heard once the device has taken the buffer after it.
  const std::uint64_t latency = state_ == SoundDeviceState::Open ? bufferFrames_ : 0;
  const std::uint64_t heardAt =
      (edge == ClipEdge::FirstSample ? placed.placement.firstFrame : placed.placement.endFrame) +
      latency;
  std::unique_lock lock(mutex_);
  std::uint64_t seenFrame = nowFrameLocked();
  auto seenAt = steady_clock::now();
  for (;;) {
    // A cut clip is over as far as its waiter is concerned.
    if (shutDown_ || cuts_ != placed.cuts) return;
    const std::uint64_t now = nowFrameLocked();
    if (now >= heardAt) return;
    if (now != seenFrame) {
      seenFrame = now;
      seenAt = steady_clock::now();
    } else if (duration<double, std::milli>(steady_clock::now() - seenAt).count() >
               kStallLimitMs) {
      return;
    }
    const double remainingMs =
        static_cast<double>(heardAt - now) * 1000.0 / outputFormat_.sampleRate;
    const double sliceMs = std::clamp(remainingMs, 1.0, kLongestWaitSliceMs);
    progressed_.wait_for(lock, duration<double, std::milli>(sliceMs));
  }
}

void SdlSoundOut::stop() {
  {
    std::lock_guard lock(mutex_);
    cutAllLocked(nowFrameLocked());
    hasPrevious_ = false;
  }
  progressed_.notify_all();
}

void SdlSoundOut::shutdown() {
  {
    std::lock_guard lock(mutex_);
    shutDown_ = true;
    cutAllLocked(nowFrameLocked());
    hasPrevious_ = false;
  }
  progressed_.notify_all();
}

}  // namespace fuda
