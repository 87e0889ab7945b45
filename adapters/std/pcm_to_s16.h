#pragma once
// A clip's samples in the one format an output is opened with: 16-bit signed
// integers at a given rate and channel count. Neither Windows' wave-out
// device nor the page's audio worklet converts anything for us, so every
// clip goes through here before it is placed.
#include <cstdint>
#include <vector>

#include "core/clips/sound_clip.h"

namespace fuda {

// Integer PCM of 8, 16, 24 or 32 bits or 32-bit float, any rate, one or more
// channels. Mono is spread to both sides, stereo to mono is averaged, extra
// channels are dropped; the rate is changed by linear interpolation. Empty
// for a format it cannot read.
std::vector<std::uint8_t> pcmToS16(const SoundClip& clip, std::uint16_t channels,
                                   std::uint32_t sampleRate);

}  // namespace fuda
