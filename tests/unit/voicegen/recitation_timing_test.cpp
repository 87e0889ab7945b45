#include "voicegen/recitation_timing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace fuda {
namespace {

constexpr std::uint32_t kRate = 24000;

std::size_t at(double seconds) { return static_cast<std::size_t>(seconds * kRate); }

void addTone(MonoPcm& pcm, double hertz, double seconds, double amplitude = 0.5) {
  const std::size_t start = pcm.samples.size();
  for (std::size_t i = 0; i < at(seconds); ++i) {
    pcm.samples.push_back(static_cast<std::int16_t>(std::lround(
        amplitude * 32767 * std::sin(2 * std::numbers::pi * hertz * (start + i) / kRate))));
  }
}

void addSilence(MonoPcm& pcm, double seconds) {
  pcm.samples.resize(pcm.samples.size() + at(seconds), 0);
}

MonoPcm emptyClip() {
  MonoPcm pcm;
  pcm.sampleRate = kRate;
  return pcm;
}

// Upward zero crossings per second in [from, to): the pitch of a tone.
double pitch(const MonoPcm& pcm, double from, double to) {
  int crossings = 0;
  for (std::size_t i = at(from) + 1; i < at(to); ++i) {
    if (pcm.samples[i - 1] < 0 && pcm.samples[i] >= 0) ++crossings;
  }
  return crossings / (to - from);
}

double rmsDb(const MonoPcm& pcm, double from, double to) {
  double sum = 0.0;
  for (std::size_t i = at(from); i < at(to); ++i) sum += double(pcm.samples[i]) * pcm.samples[i];
  return 10 * std::log10(sum / (at(to) - at(from)) + 1e-9);
}

// The longest run of near silence (50 ms windows) in seconds.
double longestQuiet(const MonoPcm& pcm) {
  double longest = 0.0;
  double run = 0.0;
  for (double t = 0.0; t + 0.05 <= pcm.seconds(); t += 0.05) {
    run = rmsDb(pcm, t, t + 0.05) < 20.0 ? run + 0.05 : 0.0;
    longest = std::max(longest, run);
  }
  return longest;
}

TEST(Retimed, StretchesToTheLastAnchorWithoutChangingThePitch) {
  MonoPcm pcm = emptyClip();
  addTone(pcm, 200, 1.0);
  const TimeAnchor anchors[] = {{0.0, 0.0}, {1.0, 2.5}};
  const MonoPcm out = retimed(pcm, anchors);
  EXPECT_EQ(out.samples.size(), at(2.5));
  EXPECT_NEAR(pitch(out, 0.1, 2.4), 200.0, 4.0);
  // The pieces line up: no dips where they overlap.
  EXPECT_NEAR(rmsDb(out, 0.1, 2.4), rmsDb(pcm, 0.1, 0.9), 0.5);
}

TEST(Retimed, EachStretchBetweenAnchorsKeepsItsOwnSound) {
  MonoPcm pcm = emptyClip();
  addTone(pcm, 200, 0.5);
  addTone(pcm, 300, 0.5);
  const TimeAnchor anchors[] = {{0.0, 0.0}, {0.5, 2.0}, {1.0, 2.2}};
  const MonoPcm out = retimed(pcm, anchors);
  EXPECT_EQ(out.samples.size(), at(2.2));
  EXPECT_NEAR(pitch(out, 0.1, 1.9), 200.0, 4.0);
  EXPECT_NEAR(pitch(out, 2.06, 2.19), 300.0, 20.0);
}

TEST(HalfRate, KeepsTheVoiceBandAndDropsWhatWouldFoldBack) {
  MonoPcm low = emptyClip();
  low.sampleRate = 48000;
  MonoPcm high = low;
  for (std::size_t i = 0; i < 48000; ++i) {
    low.samples.push_back(static_cast<std::int16_t>(
        16000 * std::sin(2 * std::numbers::pi * 1000.0 * i / 48000)));
    high.samples.push_back(static_cast<std::int16_t>(
        16000 * std::sin(2 * std::numbers::pi * 15000.0 * i / 48000)));
  }
  const MonoPcm lowOut = halfRate(low);
  EXPECT_EQ(lowOut.sampleRate, 24000u);
  EXPECT_EQ(lowOut.samples.size(), 24000u);
  EXPECT_NEAR(rmsDb(lowOut, 0.1, 0.9), 10 * std::log10(16000.0 * 16000 / 2), 0.3);
  EXPECT_LT(rmsDb(halfRate(high), 0.1, 0.9), 10 * std::log10(16000.0 * 16000 / 2) - 30);
}

// A verse of three lines as a synthesiser might say it: vowels (tones) and
// consonants (short clicks of another tone), with long pauses between lines.
struct SyntheticVerse {
  MonoPcm pcm = emptyClip();
  VerseSound sound;

  void add(SoundKind kind, double seconds, double hertz) {
    const double start = pcm.seconds();
    if (kind == SoundKind::Pause) {
      addSilence(pcm, seconds);
    } else {
      addTone(pcm, hertz, seconds);
    }
    sound.segments.push_back({{start, pcm.seconds()}, kind});
  }
};

SyntheticVerse verse(double lastVowelHertz) {
  SyntheticVerse v;
  for (int line = 0; line < 3; ++line) {
    if (line > 0) v.add(SoundKind::Pause, 0.6, 0);
    for (int mora = 0; mora < 5; ++mora) {
      v.add(SoundKind::Consonant, 0.04, 1500);
      v.add(SoundKind::Vowel, 0.1, line == 2 && mora == 4 ? lastVowelHertz : 150);
    }
  }
  v.sound.end = v.pcm.seconds();
  v.sound.lastSoundStart = v.sound.segments.back().span.start;
  v.sound.lastSoundEnd = v.sound.segments.back().span.end;
  return v;
}

TEST(RecitedTiming, AnUpperVerseTakesSixSecondsWithBreathsBetweenItsLines) {
  const SyntheticVerse v = verse(150);
  const MonoPcm out = recitedTiming(v.pcm, v.sound, VerseShape::Upper);
  EXPECT_EQ(out.samples.size(), at(kUpperVerseSeconds));
  // The 0.6 s pauses became breaths.
  EXPECT_NEAR(longestQuiet(out), kBreathSeconds, 0.06);
}

TEST(RecitedTiming, ALowerVerseHoldsItsLastVowelThreeSecondsFading) {
  const SyntheticVerse v = verse(250);
  const MonoPcm out = recitedTiming(v.pcm, v.sound, VerseShape::Lower);
  EXPECT_EQ(out.samples.size(), at(kLowerVerseWordsSeconds + kHeldEndingSeconds));
  // The words before it fill five seconds: the held vowel starts there.
  EXPECT_GT(std::abs(pitch(out, 4.6, 4.95) - 250.0), 30.0);
  const double end = out.seconds() - 0.02;
  EXPECT_NEAR(pitch(out, kLowerVerseWordsSeconds + 0.05, end), 250.0, 5.0);
  // Sound throughout, fading: never silent, quieter at its end.
  for (double t = kLowerVerseWordsSeconds; t + 0.05 < end; t += 0.05) {
    EXPECT_GT(rmsDb(out, t, t + 0.05), rmsDb(out, 5.1, 5.3) - kHeldEndingFadeDb - 1) << t;
  }
  EXPECT_NEAR(rmsDb(out, 5.1, 5.3) - rmsDb(out, end - 0.2, end), kHeldEndingFadeDb * 0.9, 2.0);
}

TEST(RecitedTiming, WithoutSegmentsTheWholeVerseIsStretchedEvenly) {
  MonoPcm pcm = emptyClip();
  addTone(pcm, 150, 3.0);
  VerseSound sound;
  sound.end = 3.0;
  EXPECT_EQ(recitedTiming(pcm, sound, VerseShape::Upper).samples.size(), at(6.0));
  const MonoPcm lower = recitedTiming(pcm, sound, VerseShape::Lower);
  EXPECT_EQ(lower.samples.size(), at(8.0));
  EXPECT_NEAR(pitch(lower, 5.1, 7.9), 150.0, 4.0);
}

}  // namespace
}  // namespace fuda
