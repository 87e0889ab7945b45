#include "frontends/web/web_sound_out.h"

#include <emscripten/threading.h>

#include <algorithm>
#include <vector>

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
// A clip waiting this long without a frame taken: the page's audio does not
// run. Before the first click a page takes no frames, but then nothing waits.
constexpr double kSilentLimitMs = 2000.0;
// How often, while the audio does not run, the clock moves the timeline on.
constexpr double kAwayTickMs = 20.0;

}  // namespace

WebSoundOut::WebSoundOut(Clock& clock, MessageSink& messages, Language language,
                         std::uint32_t sampleRate)
    : TimelineSoundOut(clock, messages, language),
      clock_(clock),
      samples_(kRingFrames * kChannels, 0) {
  // A frame is heard once the worklet has taken the frames written before it.
  begin({1, kChannels, sampleRate, 16}, 0, kLeadFrames);
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

bool WebSoundOut::soundAwaited() {
  const auto last = deviceTimeline().last();
  return last && deviceTimeline().pendingFrame(*last, ClipEdge::LastSample, kLeadFrames);
}

// Feeder thread.
void WebSoundOut::feed() {
  std::uint32_t lastTaken = ring_.taken.load();
  double quietSinceMs = clock_.nowMs();
  bool away = false;
  while (!ending_) {
    const std::uint32_t taken = ring_.taken.load();
    const double nowMs = clock_.nowMs();
    const bool moved = taken != lastTaken;
    lastTaken = taken;
    if (away) {
      if (moved) {
        away = false;
        deviceBack();
        quietSinceMs = nowMs;
        continue;
      }
      followClock();
      emscripten_futex_wait(&ring_.taken, taken, kAwayTickMs);
      continue;
    }
    if (moved || !soundAwaited()) {
      quietSinceMs = nowMs;
    } else if (nowMs - quietSinceMs >= kSilentLimitMs) {
      // What the ring still holds is stale by the time the audio runs again.
      std::fill(samples_.begin(), samples_.end(), 0);
      away = true;
      deviceAway();
      tellNoDevice();
      continue;
    }
    topUp();
    emscripten_futex_wait(&ring_.taken, taken, kFeederPollMs);
  }
}

void WebSoundOut::topUp() {
  const std::uint32_t written = ring_.written.load();
  const std::uint32_t filled = written - ring_.taken.load();
  if (filled + kTopUpFrames > kLeadFrames) return;
  const std::uint32_t count = kLeadFrames - filled;
  const std::uint32_t at = written % kRingFrames;
  const std::uint32_t first = std::min(count, kRingFrames - at);
  SoundTimeline& timeline = deviceTimeline();
  timeline.render(reinterpret_cast<std::uint8_t*>(samples_.data() + at * kChannels), first);
  if (count > first) timeline.render(reinterpret_cast<std::uint8_t*>(samples_.data()), count - first);
  ring_.written.store(written + count);
}

WebSoundOut::Samples WebSoundOut::convert(const SoundClip& clip) const {
  auto converted = pcmToS16(clip, kChannels, outputFormat().sampleRate);
  if (converted.empty() && clip.dataSize != 0) return nullptr;
  return std::make_shared<const std::vector<std::uint8_t>>(std::move(converted));
}

}  // namespace fuda
