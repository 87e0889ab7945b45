#include "adapters/sdl/sdl_sound_out.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "core/clips/wav_clip.h"

namespace fuda {

namespace {

// About 12 ms at 44.1 kHz: short enough that a play or stop is heard at once.
constexpr int kWantedBufferFrames = 512;

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
    : TimelineSoundOut(clock, messages, language) {
  if (!openDevice()) {
    begin(kWantedOutputFormat, 0, 0);
    deviceAway();
    tellNoDevice();
  }
}

SdlSoundOut::~SdlSoundOut() {
  shutdown();
  if (device_ != 0) SDL_CloseAudioDevice(device_);  // joins the audio thread
  if (audioInitialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundOut::openDevice() {
  // Only the audio subsystem is used; signals stay the program's business.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    audioInitialised_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(kWantedOutputFormat.sampleRate);
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(kWantedOutputFormat.channels);
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
      // A frame is heard once the device has taken the buffer after it.
      begin(pcmFormatOf(obtained), obtained.silence, bufferFrames_);
      SDL_PauseAudioDevice(device_, 0);
      return true;
    }
  }
  return false;
}

// Audio thread.
void SDLCALL SdlSoundOut::fillCallback(void* self, Uint8* stream, int length) {
  SoundTimeline& timeline = static_cast<SdlSoundOut*>(self)->deviceTimeline();
  timeline.render(stream, static_cast<std::uint64_t>(length) / frameBytes(timeline.format()));
}

SdlSoundOut::Samples SdlSoundOut::convert(const SoundClip& clip) const {
  if (device_ == 0) return nullptr;
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

  if (source == sdlFormat_ && format.channels == outputFormat().channels &&
      format.sampleRate == outputFormat().sampleRate) {
    return std::make_shared<const std::vector<std::uint8_t>>(data, data + bytes);
  }

  // SDL_AudioCVT rather than SDL_AudioStream: the stream's flush drops the
  // resampler's last few milliseconds, and a clip must be heard whole.
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, source, static_cast<Uint8>(format.channels),
                        static_cast<int>(format.sampleRate), sdlFormat_,
                        static_cast<Uint8>(outputFormat().channels),
                        static_cast<int>(outputFormat().sampleRate)) < 0) {
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
  work.resize(work.size() - work.size() % frameBytes(outputFormat()));
  work.shrink_to_fit();
  return std::make_shared<const std::vector<std::uint8_t>>(std::move(work));
}

}  // namespace fuda
