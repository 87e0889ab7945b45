#pragma once
// Makes synthesised clips sound like one reader's recordings: the same short
// silence before and after the voice in every clip, so that the pause the
// reader program waits between verses is the pause a player hears, and the
// same loudness in every clip.
#include "voicegen/pcm_wav.h"

namespace fuda {

// Silence kept before the first and after the last sound of a clip.
inline constexpr int kEdgeMarginMs = 5;

// A sample this far below the clip's peak counts as silence.
inline constexpr double kSilenceBelowPeakDb = 40.0;

// Loudness of the voiced part of a clip, and a ceiling that its peak never
// passes.
inline constexpr double kTargetRmsDbfs = -18.0;
inline constexpr double kPeakCeilingDbfs = -1.0;

// Where the sound of a clip starts and ends: the first and the one past the
// last sample that is not silence. Nullopt for a clip that is silence only.
struct SoundSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
};
std::optional<SoundSpan> findSound(const MonoPcm& pcm);

// Takes out a constant offset and anything below about 20 Hz, which the
// synthesisers leave in and which would only eat into the loudness.
void removeOffset(MonoPcm& pcm);

// Cuts or pads the silence at both ends to kEdgeMarginMs and fades the margins
// so the cut makes no click. Gives false, and leaves the clip, when it holds
// no sound.
bool trimSilence(MonoPcm& pcm);

// Scales the clip so that the part between its first and last sound has
// kTargetRmsDbfs, unless that would lift its peak above kPeakCeilingDbfs.
void normaliseLevel(MonoPcm& pcm);

// Root mean square of samples [begin, end) relative to full scale, in dB.
double rmsDbfs(const MonoPcm& pcm, std::size_t begin, std::size_t end);

}  // namespace fuda
