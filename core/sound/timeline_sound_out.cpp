#include "core/sound/timeline_sound_out.h"

#include <string_view>

#include "core/clips/wav_clip.h"
#include "core/texts/sound_texts.h"

namespace fuda {

namespace {

// If a device stops taking frames without saying it is gone, a wait gives up
// after this long without progress instead of hanging.
constexpr double kStallLimitMs = 2000.0;

}  // namespace

TimelineSoundOut::TimelineSoundOut(Clock& clock, MessageSink& messages, Language language)
    : clock_(clock), messages_(messages), language_(language) {}

TimelineSoundOut::~TimelineSoundOut() = default;

void TimelineSoundOut::begin(PcmFormat format, std::uint8_t silenceByte,
                             std::uint64_t latencyFrames) {
  timeline_ = std::make_unique<SoundTimeline>(format, silenceByte);
  latencyFrames_ = latencyFrames;
}

void TimelineSoundOut::deviceAway() {
  auto away = std::make_shared<ClockedSoundOut>(clock_, *timeline_);
  std::lock_guard lock(awayMutex_);
  away_ = std::move(away);
}

void TimelineSoundOut::deviceBack() {
  followClock();
  std::lock_guard lock(awayMutex_);
  away_.reset();
}

void TimelineSoundOut::followClock() {
  if (const auto away = clockWhileAway()) away->timeline();
}

std::shared_ptr<ClockedSoundOut> TimelineSoundOut::clockWhileAway() const {
  std::lock_guard lock(awayMutex_);
  return away_;
}

void TimelineSoundOut::tellNoDevice() {
  std::call_once(told_, [this] {
    messages_.showMessage(pick(language_, texts::kNoSoundDeviceCaption),
                          pick(language_, texts::kNoSoundDeviceText), MessageOwner::None);
  });
}

SoundDeviceState TimelineSoundOut::state() const {
  return clockWhileAway() ? SoundDeviceState::Silent : SoundDeviceState::Open;
}

std::uint64_t TimelineSoundOut::framesOutput() const {
  if (const auto away = clockWhileAway()) return away->timeline().nowFrame();
  return timeline_->nowFrame();
}

std::optional<TimelineSoundOut::Placement> TimelineSoundOut::lastPlacement() const {
  return timeline_->lastPlacement();
}

std::optional<SoundTimeline::Placed> TimelineSoundOut::place(ClipRef clip,
                                                             std::optional<double> gap) {
  Samples samples = clip ? convert(*clip) : nullptr;
  std::uint64_t frames = 0;
  if (samples) {
    frames = samples->size() / frameBytes(timeline_->format());
  } else if (clip) {
    // A clip we could not convert is silent but keeps its time, so the
    // game's rhythm holds.
    frames = timeline_->framesFor(clip->playingMs);
  }
  followClock();
  return timeline_->place(std::move(clip), std::move(samples), frames, gap);
}

void TimelineSoundOut::playAsync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  place(std::move(clip), gapAfterPreviousMs);
}

void TimelineSoundOut::playSync(ClipRef clip, std::optional<double> gapAfterPreviousMs) {
  if (const auto placed = place(std::move(clip), gapAfterPreviousMs))
    waitFor(*placed, ClipEdge::LastSample);
}

void TimelineSoundOut::waitUntilHeard(ClipEdge edge) {
  followClock();
  if (const auto last = timeline_->last()) waitFor(*last, edge);
}

void TimelineSoundOut::waitFor(const SoundTimeline::Placed& placed, ClipEdge edge) {
  for (;;) {
    const auto away = clockWhileAway();
    if (!away) {
      // A frame is heard once the device has taken the frames after it.
      timeline_->waitWhileRendered(placed, edge, latencyFrames_, kStallLimitMs);
      // Over, cut, or stalled; only a device that went away meanwhile leaves
      // the rest of the wait to the clock.
      if (!clockWhileAway()) return;
      continue;
    }
    // A short sleep at a time, so a device coming back is seen at once.
    if (!away->waitAWhile(placed, edge)) return;
  }
}

void TimelineSoundOut::stop() {
  followClock();
  timeline_->stop();
}

void TimelineSoundOut::shutdown() { timeline_->shutdown(); }

}  // namespace fuda
