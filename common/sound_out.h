#pragma once
// Port: sound output. The real adapter plays through SDL2; tests record calls
// with their virtual time.
#include <optional>

#include "common/sound_clip.h"

namespace fuda {

class SoundOut {
 public:
  virtual ~SoundOut() = default;

  // All methods: any thread.
  //
  // `gapAfterPreviousMs`: when given, the clip's first sample is output exactly
  // that long after the last sample of the clip started before it (at once if
  // that moment has already passed, or if nothing was played since the last
  // stop). Without it the clip starts at once. Starting a clip stops the one
  // playing. A null clip plays nothing but still stops what plays.

  // Returns at once.
  virtual void playAsync(ClipRef clip,
                         std::optional<double> gapAfterPreviousMs = {}) = 0;
  // Returns when the clip's last sample has been output, or when stop() or
  // shutdown cuts it short.
  virtual void playSync(ClipRef clip,
                        std::optional<double> gapAfterPreviousMs = {}) = 0;
  // Silences everything at once and wakes a playSync.
  virtual void stop() = 0;
};

}  // namespace fuda
