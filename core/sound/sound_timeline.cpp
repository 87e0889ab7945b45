#include "core/sound/sound_timeline.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include "core/clips/wav_clip.h"

namespace fuda {

namespace {

// The longest a waiter sleeps before it looks again, so a stalled device is
// noticed.
constexpr double kLongestWaitSliceMs = 50.0;

}  // namespace

SoundTimeline::SoundTimeline(PcmFormat output, std::uint8_t silenceByte)
    : format_(output), frameSize_(frameBytes(output)), silenceByte_(silenceByte) {}

std::uint64_t SoundTimeline::framesFor(double ms) const {
  return static_cast<std::uint64_t>(std::llround(std::max(0.0, ms) * format_.sampleRate / 1000.0));
}

double SoundTimeline::msFor(std::uint64_t frames) const {
  return static_cast<double>(frames) * 1000.0 / format_.sampleRate;
}

std::optional<SoundTimeline::Placed> SoundTimeline::place(
    ClipRef clip, Samples samples, std::uint64_t frames,
    std::optional<double> gapAfterPreviousMs) {
  std::optional<Placed> placed;
  {
    std::lock_guard lock(mutex_);
    if (shutDown_) return std::nullopt;
    const bool placing = clip != nullptr;
    const bool follows = placing && gapAfterPreviousMs && hasPrevious_ && !placed_.empty();
    std::uint64_t first = now_;
    if (follows) {
      first = std::max(now_, placed_.back().placement.endFrame + framesFor(*gapAfterPreviousMs));
    } else {
      cutAllLocked();
    }
    if (!placing) {
      placed_.clear();
      hasPrevious_ = false;
    } else {
      // Only a clip with samples is kept: the samples are its bytes' copy,
      // and a silent clip has nothing to keep alive.
      if (!samples) clip.reset();
      placed_.push_back({std::move(clip), std::move(samples), {first, first + frames}, ++serials_});
      hasPrevious_ = true;
      placed = Placed{placed_.back().placement, cuts_, serials_};
    }
  }
  // A waiter for a clip just cut returns now.
  progressed_.notify_all();
  return placed;
}

void SoundTimeline::stop() {
  {
    std::lock_guard lock(mutex_);
    cutAllLocked();
    hasPrevious_ = false;
  }
  progressed_.notify_all();
}

void SoundTimeline::shutdown() {
  {
    std::lock_guard lock(mutex_);
    shutDown_ = true;
    cutAllLocked();
    hasPrevious_ = false;
  }
  progressed_.notify_all();
}

void SoundTimeline::cutAllLocked() {
  const std::uint64_t now = now_;
  std::erase_if(placed_, [now](const Playing& playing) { return playing.placement.firstFrame >= now; });
  for (Playing& playing : placed_) {
    Placement& at = playing.placement;
    at.endFrame = std::min(at.endFrame, std::max(now, at.firstFrame));
  }
  ++cuts_;
}

void SoundTimeline::releaseOverLocked() {
  while (placed_.size() > 1 && placed_.front().placement.endFrame <= now_) placed_.pop_front();
  if (!placed_.empty() && placed_.front().placement.endFrame <= now_) {
    placed_.front().clip.reset();
    placed_.front().samples.reset();
  }
}

void SoundTimeline::render(std::uint8_t* out, std::uint64_t frames) {
  std::memset(out, silenceByte_, frames * frameSize_);
  {
    std::lock_guard lock(mutex_);
    const std::uint64_t from = now_;
    const std::uint64_t to = from + frames;
    for (const Playing& playing : placed_) {
      if (!playing.samples) continue;
      const Placement& at = playing.placement;
      const std::uint64_t first = std::max(from, at.firstFrame);
      // Samples may be fewer than the frames placed; the rest is silence.
      const std::uint64_t sampleEnd = at.firstFrame + playing.samples->size() / frameSize_;
      const std::uint64_t last = std::min({to, at.endFrame, sampleEnd});
      if (first < last) {
        std::memcpy(out + (first - from) * frameSize_,
                    playing.samples->data() + (first - at.firstFrame) * frameSize_,
                    (last - first) * frameSize_);
      }
    }
    now_ = to;
    releaseOverLocked();
  }
  progressed_.notify_all();
}

void SoundTimeline::advanceTo(std::uint64_t frame) {
  {
    std::lock_guard lock(mutex_);
    now_ = std::max(now_, frame);
    releaseOverLocked();
  }
  // Waiters of a device that went away follow the clock from here.
  progressed_.notify_all();
}

std::uint64_t SoundTimeline::nowFrame() const {
  std::lock_guard lock(mutex_);
  return now_;
}

std::optional<SoundTimeline::Placed> SoundTimeline::last() const {
  std::lock_guard lock(mutex_);
  if (shutDown_ || !hasPrevious_ || placed_.empty()) return std::nullopt;
  return Placed{placed_.back().placement, cuts_, placed_.back().serial};
}

std::optional<SoundTimeline::Placement> SoundTimeline::lastPlacement() const {
  std::lock_guard lock(mutex_);
  if (placed_.empty()) return std::nullopt;
  return placed_.back().placement;
}

std::vector<std::pair<std::uint64_t, SoundTimeline::Placement>> SoundTimeline::placements()
    const {
  std::lock_guard lock(mutex_);
  std::vector<std::pair<std::uint64_t, Placement>> all;
  for (const Playing& playing : placed_) all.emplace_back(playing.serial, playing.placement);
  return all;
}

std::optional<std::uint64_t> SoundTimeline::pendingFrame(const Placed& placed, ClipEdge edge,
                                                         std::uint64_t latency) const {
  std::lock_guard lock(mutex_);
  return pendingFrameLocked(placed, edge, latency);
}

std::optional<std::uint64_t> SoundTimeline::pendingFrameLocked(const Placed& placed,
                                                               ClipEdge edge,
                                                               std::uint64_t latency) const {
  // A cut clip is over as far as its waiter is concerned.
  if (shutDown_ || cuts_ != placed.cuts) return std::nullopt;
  const Placement& at = placed.placement;
  const std::uint64_t frame = (edge == ClipEdge::FirstSample ? at.firstFrame : at.endFrame) + latency;
  if (now_ >= frame) return std::nullopt;
  return frame;
}

void SoundTimeline::waitWhileRendered(const Placed& placed, ClipEdge edge,
                                      std::uint64_t latency, double stallLimitMs) {
  using namespace std::chrono;
  std::unique_lock lock(mutex_);
  std::uint64_t seenFrame = now_;
  auto seenAt = steady_clock::now();
  for (;;) {
    const auto frame = pendingFrameLocked(placed, edge, latency);
    if (!frame) return;
    if (now_ != seenFrame) {
      seenFrame = now_;
      seenAt = steady_clock::now();
    } else if (duration<double, std::milli>(steady_clock::now() - seenAt).count() >
               stallLimitMs) {
      return;
    }
    const double sliceMs = std::clamp(msFor(*frame - now_), 1.0, kLongestWaitSliceMs);
    progressed_.wait_for(lock, duration<double, std::milli>(sliceMs));
  }
}

}  // namespace fuda
