#pragma once
// The rhythm of a match, given to synthesised verses: an upper verse takes
// six seconds; a lower verse five, then its last sound is held three seconds
// and fades (the lingering note before the pause). Every verse of the voice
// comes out the same length, so a game keeps a steady beat from card to card.
#include <optional>
#include <span>
#include <vector>

#include "voicegen/pcm_wav.h"

namespace fuda {

inline constexpr double kUpperVerseSeconds = 6.0;
inline constexpr double kLowerVerseWordsSeconds = 5.0;
inline constexpr double kHeldEndingSeconds = 3.0;
// The held sound fades by this much from its start to its end.
inline constexpr double kHeldEndingFadeDb = 10.0;

// A point of the time map: `from` seconds of the input are heard at `to`
// seconds of the output.
struct TimeAnchor {
  double from = 0.0;
  double to = 0.0;
};

// Stretches and squeezes the clip piecewise linearly between the anchors
// (rising in both times; the first at 0, 0) without changing its pitch: short
// overlapping pieces of the input are laid end to end, each moved a little to
// where its waveform continues the one before. The output lasts until the
// last anchor's `to`.
MonoPcm retimed(const MonoPcm& pcm, std::span<const TimeAnchor> anchors);

// Half the sample rate, filtered first so that nothing folds back.
MonoPcm halfRate(const MonoPcm& pcm);

enum class VerseShape { Upper, Lower };

// The longest pause between the lines of a verse: a breath.
inline constexpr double kBreathSeconds = 0.2;

struct Span {
  double start = 0.0;  // seconds
  double end = 0.0;
};

// What a stretch of a verse is, as the synthesiser tells it.
enum class SoundKind { Vowel, Consonant, Pause };

struct SoundSegment {
  Span span;
  SoundKind kind = SoundKind::Vowel;
};

// Where the sound of a synthesised verse lies, in seconds from the clip's
// start: all of it, its vowels, consonants and pauses and its last sound
// (the one a reciter holds), when known.
struct VerseSound {
  double begin = 0.0;
  double end = 0.0;
  std::optional<double> lastSoundStart;
  std::optional<double> lastSoundEnd;
  std::vector<SoundSegment> segments;
};

// The verse cut to its sound and timed as a reciter times it: a pause
// between lines made a short breath, consonants kept as spoken and the vowels
// drawn out to fill the time (where the segments are not known, everything
// stretched evenly), and in a lower verse the last sound held and fading. Without a known last
// sound, the final 150 ms are taken as it.
MonoPcm recitedTiming(const MonoPcm& pcm, const VerseSound& sound, VerseShape shape);

}  // namespace fuda
