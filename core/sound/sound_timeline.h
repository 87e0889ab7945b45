#pragma once
// The output clock of a sound device and the clips placed on it, to the
// frame. The clock is the count of frames handed out; a clip that follows
// another is placed a gap after that one's last frame, so the pause between
// two verses is exact whatever the threads do. A device callback pulls frames
// with render(); an output that has no device moves the clock with
// advanceTo() and hears nothing. Tests pull frames directly.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "core/clips/sound_clip.h"
#include "core/ports/sound_out.h"

namespace fuda {

class SoundTimeline {
 public:
  // Samples already in the output's format; null for a clip that keeps its
  // time without sound.
  using Samples = std::shared_ptr<const std::vector<std::uint8_t>>;

  // Where a clip lies on the output clock: its first frame and the frame
  // after its last (earlier if it was cut short).
  struct Placement {
    std::uint64_t firstFrame = 0;
    std::uint64_t endFrame = 0;
    friend bool operator==(const Placement&, const Placement&) = default;
  };
  // What a waiter needs: where its clip lies, and the cut count that tells
  // whether it was cut since.
  struct Placed {
    Placement placement;
    std::uint64_t cuts = 0;
    std::uint64_t serial = 0;  // counts the clips placed, from 1
  };

  SoundTimeline(PcmFormat output, std::uint8_t silenceByte);

  const PcmFormat& format() const { return format_; }
  // Frames of `ms` milliseconds at the output rate.
  std::uint64_t framesFor(double ms) const;
  double msFor(std::uint64_t frames) const;

  // Any thread. With a gap, `clip` follows the clip started before it: its
  // first frame lies the gap after that one's end (or now, if that moment has
  // passed or nothing was placed since the last stop). Without a gap it starts
  // now and cuts whatever plays or waits. A null clip only cuts. Nullopt
  // after shutdown, or for a null clip.
  std::optional<Placed> place(ClipRef clip, Samples samples, std::uint64_t frames,
                              std::optional<double> gapAfterPreviousMs);
  // Any thread. Cuts everything at the current frame; the next clip placed
  // with a gap then starts at once.
  void stop();
  // Any thread, at program end: stops, and every later place is refused.
  void shutdown();

  // Audio thread: writes `frames` frames of output to `out` (silence where
  // no clip sounds) and moves the clock past them.
  void render(std::uint8_t* out, std::uint64_t frames);
  // Moves the clock on to `frame` without output (an output without a
  // device, driven by a clock); never backwards.
  void advanceTo(std::uint64_t frame);

  std::uint64_t nowFrame() const;
  // The clip started last, if one was placed since the last stop.
  std::optional<Placed> last() const;
  std::optional<Placement> lastPlacement() const;
  // Every clip not yet let go, by serial: for records that follow what a
  // listener hears.
  std::vector<std::pair<std::uint64_t, Placement>> placements() const;
  // The frame a waiter for `placed` waits for (the edge, `latency` frames
  // later), or nullopt when there is nothing more to wait for: the clip was
  // cut, the program is shutting down, or the frame has been output.
  std::optional<std::uint64_t> pendingFrame(const Placed& placed, ClipEdge edge,
                                            std::uint64_t latency) const;
  // Any thread but the audio thread: waits until pendingFrame is over while
  // render() pulls frames. Gives up after `stallLimitMs` without a frame
  // pulled, so a device that stopped calling back cannot hang a player.
  void waitWhileRendered(const Placed& placed, ClipEdge edge, std::uint64_t latency,
                         double stallLimitMs);

 private:
  struct Playing {
    ClipRef clip;  // kept alive while it may sound
    Samples samples;
    Placement placement;
    std::uint64_t serial = 0;
  };
  std::optional<std::uint64_t> pendingFrameLocked(const Placed& placed, ClipEdge edge,
                                                  std::uint64_t latency) const;
  // Ends what plays now and drops what has not begun.
  void cutAllLocked();
  // Lets go of clips that are over, all but the last, whose end the next
  // gap needs.
  void releaseOverLocked();

  const PcmFormat format_;
  const std::size_t frameSize_;
  const std::uint8_t silenceByte_;

  mutable std::mutex mutex_;
  std::condition_variable progressed_;
  std::uint64_t now_ = 0;  // the output clock, in frames
  // Clips placed and not yet over, in order; they never overlap, and the
  // last is the clip started last.
  std::deque<Playing> placed_;
  bool hasPrevious_ = false;  // a clip was started since the last stop
  std::uint64_t cuts_ = 0;    // how often clips were cut or dropped
  std::uint64_t serials_ = 0;
  bool shutDown_ = false;
};

}  // namespace fuda
