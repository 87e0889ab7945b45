#pragma once
// Port: sound output. The real adapters (SDL2, WinMM, the web page's audio
// worklet) build on TimelineSoundOut; tests record calls with their virtual
// time.
#include <optional>

#include "core/clips/sound_clip.h"

namespace fuda {

enum class ClipEdge { FirstSample, LastSample };

class SoundOut {
 public:
  virtual ~SoundOut() = default;

  // All methods: any thread.
  //
  // `gapAfterPreviousMs`: when given, the clip follows the clip started before
  // it: that one plays on to its end, and this clip's first sample is output
  // exactly that long after its last sample (at once if that moment has
  // already passed, or if nothing was played since the last stop). A caller
  // that needs an exact silence places the next clip while the one before
  // still plays, so no clock of its own can make it late. Without a gap the
  // clip starts at once and cuts whatever plays or waits to play. A null clip
  // plays nothing but still stops what plays.

  // Returns at once.
  virtual void playAsync(ClipRef clip,
                         std::optional<double> gapAfterPreviousMs = {}) = 0;
  // Returns when the clip's last sample has been output, or when stop() or
  // shutdown cuts it short.
  virtual void playSync(ClipRef clip,
                        std::optional<double> gapAfterPreviousMs = {}) = 0;
  // Returns once the given sample of the clip started last has been output;
  // at once if nothing was played since the last stop, and early when stop()
  // or shutdown cuts the clip short.
  virtual void waitUntilHeard(ClipEdge edge) = 0;
  // Silences everything at once, drops what waits to play, and wakes every
  // playSync and waitUntilHeard.
  virtual void stop() = 0;
  // GUI thread, at program end: stops, wakes every playSync and wait, and
  // every later play returns at once without sound.
  virtual void shutdown() { stop(); }
};

}  // namespace fuda
