#include "adapters/sdl/sdl_sound_out.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstring>

#include "core/clips/wav_clip.h"

namespace fuda {

namespace {

constexpr int kWantedRate = 44100;
constexpr int kWantedChannels = 2;
// About 12 ms at 44.1 kHz: short enough that a play or stop is heard at once.
constexpr int kWantedBufferFrames = 512;
// If the audio thread stops calling back (a device gone wrong), a playSync
// gives up after this long without progress instead of hanging.
constexpr double kStallLimitMs = 2000.0;

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

PcmFormat wantedFormat() {
  PcmFormat format;
  format.formatTag = 1;
  format.channels = kWantedChannels;
  format.sampleRate = kWantedRate;
  format.bitsPerSample = 16;
  return format;
}

}  // namespace

SdlSoundOut::SdlSoundOut(Clock& clock, MessageSink& messages, Language language) {
  openDevice(clock);
  if (silent_) {
    messages.showMessage(pick(language, kNoDeviceCaption), pick(language, kNoDeviceText),
                         MessageOwner::None);
  }
}

SdlSoundOut::~SdlSoundOut() {
  shutdown();
  if (device_ != 0) SDL_CloseAudioDevice(device_);  // joins the audio thread
  if (audioInitialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundOut::openDevice(Clock& clock) {
  // Only the audio subsystem is used; signals stay the program's business.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    audioInitialised_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = kWantedRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kWantedChannels;
    wanted.samples = kWantedBufferFrames;
    wanted.callback = &SdlSoundOut::fillCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(
        nullptr, 0, &wanted, &obtained,
        SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ != 0) {
      sdlFormat_ = obtained.format;
      bufferFrames_ = obtained.samples;
      deviceTimeline_ = std::make_unique<SoundTimeline>(pcmFormatOf(obtained), obtained.silence);
      SDL_PauseAudioDevice(device_, 0);
      return;
    }
  }
  silent_ = std::make_unique<ClockedSoundOut>(clock, wantedFormat());
}

// Audio thread.
void SDLCALL SdlSoundOut::fillCallback(void* self, Uint8* stream, int length) {
  SoundTimeline& timeline = *static_cast<SdlSoundOut*>(self)->deviceTimeline_;
  timeline.render(stream, static_cast<std::uint64_t>(length) / frameBytes(timeline.format()));
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

  if (source == sdlFormat_ && format.channels == timeline().format().channels &&
      format.sampleRate == timeline().format().sampleRate) {
    return std::make_shared<const std::vector<std::uint8_t>>(data, data + bytes);
  }

  // SDL_AudioCVT rather than SDL_AudioStream: the stream's flush drops the
  // resampler's last few milliseconds, and a clip must be heard whole.
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, source, static_cast<Uint8>(format.channels),
                        static_cast<int>(format.sampleRate), sdlFormat_,
                        static_cast<Uint8>(timeline().format().channels),
                        static_cast<int>(timeline().format().sampleRate)) < 0) {
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
  work.resize(work.size() - work.size() % frameBytes(timeline().format()));
  work.shrink_to_fit();
  return std::make_shared<const std::vector<std::uint8_t>>(std::move(work));
}

std::uint64_t SdlSoundOut::framesFor(const SoundClip& clip, const Samples& samples) const {
  if (samples) return samples->size() / frameBytes(timeline().format());
  // A clip we could not convert is silent but keeps its time, so the game's
  // rhythm holds.
  return static_cast<std::uint64_t>(
      std::llround(std::max(0.0, clip.playingMs) * timeline().format().sampleRate / 1000.0));
}

void SdlSoundOut::playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  if (silent_) return silent_->playAsync(std::move(clip), gapAfterPreviousMs);
  Samples samples = clip ? convert(*clip) : nullptr;
  const std::uint64_t frames = clip ? framesFor(*clip, samples) : 0;
  deviceTimeline_->place(std::move(clip), std::move(samples), frames, gapAfterPreviousMs);
}

void SdlSoundOut::playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  if (silent_) return silent_->playSync(std::move(clip), gapAfterPreviousMs);
  Samples samples = clip ? convert(*clip) : nullptr;
  const std::uint64_t frames = clip ? framesFor(*clip, samples) : 0;
  const auto placed =
      deviceTimeline_->place(std::move(clip), std::move(samples), frames, gapAfterPreviousMs);
  if (placed) waitUntilOutput(*placed, ClipEdge::LastSample);
}

void SdlSoundOut::waitUntilHeard(ClipEdge edge) {
  if (silent_) return silent_->waitUntilHeard(edge);
  if (const auto last = deviceTimeline_->last()) waitUntilOutput(*last, edge);
}

void SdlSoundOut::waitUntilOutput(const SoundTimeline::Placed& placed, ClipEdge edge) {
  // A frame is heard once the device has taken the buffer after it.
  deviceTimeline_->waitWhileRendered(placed, edge, bufferFrames_, kStallLimitMs);
}

void SdlSoundOut::stop() {
  if (silent_) return silent_->stop();
  deviceTimeline_->stop();
}

void SdlSoundOut::shutdown() {
  if (silent_) return silent_->shutdown();
  deviceTimeline_->shutdown();
}

}  // namespace fuda
