#pragma once
// Cutting the near-silence off both ends of a loaded clip. Recorded voices
// carry a different stretch of silence at each end of every clip; without
// it, the pause the game places between two verses is the pause the player
// hears.
#include <optional>

#include "core/clips/sound_clip.h"

namespace fuda {

// A frame is sound when any of its channels reaches this fraction of full
// scale (-40 dBFS). Speech in a voice recording peaks between about -20 and
// -3 dBFS; its softest onsets and the dying end of a held vowel pass -40 dBFS
// only once they lie 20 dB and more below the voice, where a player in a
// hall no longer hears them. A quiet recording's noise floor sits at -60 dBFS
// or lower, and its peaks stay below about -48 dBFS, so no stretch of room
// noise is taken for sound.
inline constexpr double kSoundThreshold = 0.01;

// Each cut is faded over this long, so the kept sound neither starts nor
// stops with a click. The fade lies on the kept sound, not on the silence
// before it: the clip's first sample is its first audible one, which is what
// the game's sample-exact pause is placed from.
inline constexpr double kTrimFadeMs = 3.0;

// Any thread; touches nothing but its argument. The clip without the frames
// before its first and after its last frame of sound, faded in and out where
// something was cut, its header rewritten to match and its playing time
// recomputed. A clip that starts and ends with sound comes back unchanged.
// nullopt when the clip holds no sound, or less of it than one fade: it is
// then played as nothing at all.
std::optional<SoundClip> trimSilence(SoundClip clip);

}  // namespace fuda
