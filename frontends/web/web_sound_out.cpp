#include "frontends/web/web_sound_out.h"

#include <emscripten/threading.h>

#include <algorithm>
#include <cmath>

#include "adapters/std/pcm_to_s16.h"
#include "core/clips/wav_clip.h"

namespace fuda {

namespace {

constexpr std::uint32_t kRingFrames = 16384;
// How far the feeder keeps ahead of the worklet: about 190 ms at 44.1 kHz,
// room enough for a feeder kept waiting by a busy machine (the worklet would
// otherwise render silence into a verse), short enough that a stop is heard
// at once.
constexpr std::uint32_t kLeadFrames = 8192;
// The worklet wakes the feeder after each take; should a wake be missed, the
// feeder looks again after this long anyway.
constexpr double kFeederPollMs = 10.0;
// The worklet takes 128 frames at a time; the feeder tops up once this many
// are free, rather than after every take.
constexpr std::uint32_t kTopUpFrames = 512;
// A page whose audio has not started yet (no click so far) takes no frames;
// a wait gives up after this long without progress instead of hanging.
constexpr double kStallLimitMs = 2000.0;

PcmFormat outputFormat(std::uint32_t sampleRate) {
  PcmFormat format;
  format.formatTag = 1;
  format.channels = WebSoundOut::kChannels;
  format.sampleRate = sampleRate;
  format.bitsPerSample = 16;
  return format;
}

}  // namespace

WebSoundOut::WebSoundOut(std::uint32_t sampleRate)
    : timeline_(outputFormat(sampleRate), 0), samples_(kRingFrames * kChannels, 0) {
  ring_.capacityFrames = kRingFrames;
  ring_.samples = samples_.data();
  feeder_ = std::thread([this] { feed(); });
}

WebSoundOut::~WebSoundOut() {
  shutdown();
  ending_ = true;
  emscripten_futex_wake(&ring_.taken, 1);
  if (feeder_.joinable()) feeder_.join();
}

// Feeder thread.
void WebSoundOut::feed() {
  while (!ending_) {
    const std::uint32_t taken = ring_.taken.load();
    const std::uint32_t written = ring_.written.load();
    const std::uint32_t filled = written - taken;
    if (filled + kTopUpFrames > kLeadFrames) {
      emscripten_futex_wait(&ring_.taken, taken, kFeederPollMs);
      continue;
    }
    const std::uint32_t count = kLeadFrames - filled;
    const std::uint32_t at = written % kRingFrames;
    const std::uint32_t first = std::min(count, kRingFrames - at);
    timeline_.render(reinterpret_cast<std::uint8_t*>(samples_.data() + at * kChannels), first);
    if (count > first) {
      timeline_.render(reinterpret_cast<std::uint8_t*>(samples_.data()), count - first);
    }
    ring_.written.store(written + count);
  }
}

std::optional<SoundTimeline::Placed> WebSoundOut::place(ClipRef clip, std::optional<double> gap) {
  const std::uint32_t rate = timeline_.format().sampleRate;
  SoundTimeline::Samples samples;
  std::uint64_t frames = 0;
  if (clip) {
    auto converted = pcmToS16(*clip, kChannels, rate);
    if (!converted.empty() || clip->dataSize == 0) {
      frames = converted.size() / frameBytes(timeline_.format());
      samples = std::make_shared<const std::vector<std::uint8_t>>(std::move(converted));
    } else {
      // A clip we could not convert is silent but keeps its time, so the
      // game's rhythm holds.
      frames = static_cast<std::uint64_t>(
          std::llround(std::max(0.0, clip->playingMs) * rate / 1000.0));
    }
  }
  return timeline_.place(std::move(clip), std::move(samples), frames, gap);
}

void WebSoundOut::playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  place(std::move(clip), gapAfterPreviousMs);
}

void WebSoundOut::playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  // A frame is heard once the worklet has taken the frames written before it.
  if (const auto placed = place(std::move(clip), gapAfterPreviousMs)) {
    timeline_.waitWhileRendered(*placed, ClipEdge::LastSample, kLeadFrames, kStallLimitMs);
  }
}

void WebSoundOut::waitUntilHeard(ClipEdge edge) {
  if (const auto last = timeline_.last()) {
    timeline_.waitWhileRendered(*last, edge, kLeadFrames, kStallLimitMs);
  }
}

void WebSoundOut::stop() { timeline_.stop(); }

void WebSoundOut::shutdown() { timeline_.shutdown(); }

}  // namespace fuda
