#include "voicegen/recitation_timing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace fuda {

namespace {

// Pieces of 30 ms, half overlapping, each moved by up to 12 ms: more than the
// longest voice period, so a piece can always line up with the one before.
constexpr double kPieceSeconds = 0.030;
constexpr double kShiftSeconds = 0.012;

// When the synthesiser does not say where the last sound starts.
constexpr double kGuessedLastSoundSeconds = 0.15;

// Of the last sound, its onset leads into the held note, a steady stretch
// early in it (before the synthesiser lets it sink, as at the end of a
// sentence) is what gets held, and its die-away takes kDieAwaySeconds.
constexpr double kOnsetShare = 0.25;
constexpr double kSteadyEndShare = 0.55;
constexpr double kOnsetSeconds = 0.15;
constexpr double kDieAwaySeconds = 0.08;

// The held note is kept at the level it starts with, lifted by at most this
// much where the synthesis sinks, before it fades.
constexpr double kMostLiftDb = 18.0;

// The held sound keeps its level this long before it fades.
constexpr double kFullBeforeFadeSeconds = 0.3;

// Both ends are tapered over this long so that the cut makes no click.
constexpr double kTaperSeconds = 0.004;

std::int16_t toSample(double value) {
  return static_cast<std::int16_t>(std::clamp(std::lround(value), -32768L, 32767L));
}

// Input seconds heard at output second `t` by the piecewise linear map.
double sourceSeconds(std::span<const TimeAnchor> anchors, double t) {
  for (std::size_t i = 1; i < anchors.size(); ++i) {
    if (t <= anchors[i].to) {
      const TimeAnchor& a = anchors[i - 1];
      const TimeAnchor& b = anchors[i];
      if (b.to <= a.to) return b.from;
      return a.from + (t - a.to) * (b.from - a.from) / (b.to - a.to);
    }
  }
  return anchors.back().from + (t - anchors.back().to);
}

// The start near `wanted` whose piece best continues the waveform that runs
// on from the previous piece at `natural`, by normalised correlation. Every
// second candidate and every third sample suffice to find the alignment.
long bestStart(const std::vector<float>& in, long natural, long wanted, long shift,
               long piece) {
  const long size = static_cast<long>(in.size());
  const long span = std::min(piece, size - natural);
  if (natural < 0 || span < piece / 4) return wanted;
  long best = wanted;
  double bestScore = -2.0;
  for (long start = wanted - shift; start <= wanted + shift; start += 2) {
    if (start < 0 || start + span > size) continue;
    double dot = 0.0;
    double energy = 1e-9;
    for (long i = 0; i < span; i += 3) {
      const double candidate = in[start + i];
      dot += candidate * in[natural + i];
      energy += candidate * candidate;
    }
    const double score = dot / std::sqrt(energy);
    if (score > bestScore) {
      bestScore = score;
      best = start;
    }
  }
  return best;
}

MonoPcm slice(const MonoPcm& pcm, double beginSeconds, double endSeconds) {
  const auto at = [&](double seconds) {
    return std::clamp<std::size_t>(
        static_cast<std::size_t>(std::max(0.0, std::round(seconds * pcm.sampleRate))), 0,
        pcm.samples.size());
  };
  MonoPcm out;
  out.sampleRate = pcm.sampleRate;
  out.samples.assign(pcm.samples.begin() + at(beginSeconds),
                     pcm.samples.begin() + std::max(at(beginSeconds), at(endSeconds)));
  return out;
}

// Fades from full level at `fromSeconds` down by `db` at the end.
void fadeOut(MonoPcm& pcm, double fromSeconds, double db) {
  const std::size_t from = static_cast<std::size_t>(fromSeconds * pcm.sampleRate);
  if (from >= pcm.samples.size()) return;
  const double length = static_cast<double>(pcm.samples.size() - from);
  for (std::size_t i = from; i < pcm.samples.size(); ++i) {
    const double gain = std::pow(10.0, -db * ((i - from) / length) / 20.0);
    pcm.samples[i] = toSample(pcm.samples[i] * gain);
  }
}

double windowRms(const MonoPcm& pcm, std::size_t from, std::size_t to) {
  double sum = 0.0;
  for (std::size_t i = from; i < to; ++i) sum += double(pcm.samples[i]) * pcm.samples[i];
  return std::sqrt(sum / std::max<std::size_t>(1, to - from)) + 1e-6;
}

// Evens out the level from `fromSeconds` to the end, window by window with
// the gain running smoothly between window centres, to the level of its first
// window.
void evenLevel(MonoPcm& pcm, double fromSeconds) {
  const std::size_t from = static_cast<std::size_t>(fromSeconds * pcm.sampleRate);
  const std::size_t window = pcm.sampleRate / 20;
  if (window == 0 || from + 2 * window > pcm.samples.size()) return;
  const double reference = windowRms(pcm, from, from + window);
  const double mostLift = std::pow(10.0, kMostLiftDb / 20.0);
  std::vector<double> centres;
  std::vector<double> gains;
  for (std::size_t at = from; at + window <= pcm.samples.size(); at += window) {
    centres.push_back(at + window / 2.0);
    gains.push_back(std::min(mostLift, reference / windowRms(pcm, at, at + window)));
  }
  std::size_t next = 0;
  for (std::size_t i = from; i < pcm.samples.size(); ++i) {
    while (next < centres.size() && centres[next] < i) ++next;
    double gain = 1.0;
    if (next == 0) {
      gain = gains.front();
    } else if (next == centres.size()) {
      gain = gains.back();
    } else {
      const double share = (i - centres[next - 1]) / (centres[next] - centres[next - 1]);
      gain = gains[next - 1] + share * (gains[next] - gains[next - 1]);
    }
    pcm.samples[i] = toSample(pcm.samples[i] * gain);
  }
}

void taperEnds(MonoPcm& pcm) {
  const std::size_t taper = std::min<std::size_t>(
      pcm.samples.size() / 2, static_cast<std::size_t>(kTaperSeconds * pcm.sampleRate));
  for (std::size_t i = 0; i < taper; ++i) {
    const double gain = static_cast<double>(i) / taper;
    pcm.samples[i] = toSample(pcm.samples[i] * gain);
    std::int16_t& last = pcm.samples[pcm.samples.size() - 1 - i];
    last = toSample(last * gain);
  }
}

}  // namespace

MonoPcm retimed(const MonoPcm& pcm, std::span<const TimeAnchor> anchors) {
  MonoPcm out;
  out.sampleRate = pcm.sampleRate;
  if (anchors.empty() || pcm.samples.empty() || pcm.sampleRate == 0) return out;
  const double rate = pcm.sampleRate;
  const long piece = std::max<long>(16, std::lround(rate * kPieceSeconds) & ~1L);
  const long hop = piece / 2;
  const long shift = std::lround(rate * kShiftSeconds);
  const std::size_t length =
      static_cast<std::size_t>(std::max(0.0, std::round(anchors.back().to * rate)));

  const std::vector<float> in(pcm.samples.begin(), pcm.samples.end());
  const long lastStart = std::max<long>(0, static_cast<long>(in.size()) - piece);
  // A periodic Hann window: pieces half a piece apart add up to one.
  std::vector<double> window(static_cast<std::size_t>(piece));
  for (long i = 0; i < piece; ++i) {
    window[i] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / piece);
  }
  std::vector<double> sum(length + piece, 0.0);
  std::vector<double> weight(length + piece, 0.0);
  long previous = -1;
  for (std::size_t at = 0; at < length; at += hop) {
    const double centre = (at + piece / 2.0) / rate;
    long start = std::lround(sourceSeconds(anchors, centre) * rate - piece / 2.0);
    start = std::clamp(start, 0L, lastStart);
    if (previous >= 0) start = std::clamp(bestStart(in, previous + hop, start, shift, piece), 0L, lastStart);
    for (long i = 0; i < piece; ++i) {
      const std::size_t source = static_cast<std::size_t>(start + i);
      const double sample = source < in.size() ? in[source] : 0.0;
      sum[at + i] += sample * window[i];
      weight[at + i] += window[i];
    }
    previous = start;
  }
  out.samples.resize(length);
  for (std::size_t i = 0; i < length; ++i) {
    out.samples[i] = toSample(weight[i] > 1e-3 ? sum[i] / weight[i] : sum[i]);
  }
  return out;
}

MonoPcm halfRate(const MonoPcm& pcm) {
  // A windowed-sinc low-pass just under the new Nyquist frequency.
  constexpr int kTaps = 31;
  constexpr int kMiddle = kTaps / 2;
  constexpr double kCutoff = 0.23;  // of the input's sample rate
  std::array<double, kTaps> taps{};
  double total = 0.0;
  for (int k = 0; k < kTaps; ++k) {
    const double x = k - kMiddle;
    const double sinc =
        x == 0 ? 2 * kCutoff : std::sin(2 * std::numbers::pi * kCutoff * x) / (std::numbers::pi * x);
    const double hamming = 0.54 - 0.46 * std::cos(2 * std::numbers::pi * k / (kTaps - 1));
    taps[k] = sinc * hamming;
    total += taps[k];
  }
  MonoPcm out;
  out.sampleRate = pcm.sampleRate / 2;
  const long size = static_cast<long>(pcm.samples.size());
  out.samples.resize(pcm.samples.size() / 2);
  for (long n = 0; n < static_cast<long>(out.samples.size()); ++n) {
    double value = 0.0;
    for (int k = 0; k < kTaps; ++k) {
      const long source = 2 * n + k - kMiddle;
      if (source >= 0 && source < size) value += taps[k] * pcm.samples[source];
    }
    out.samples[n] = toSample(value / total);
  }
  return out;
}

namespace {

// The anchors that lay [0, wordsEnd) of the input over [0, target) of the
// output: each pause at most a breath, consonants as they are, and the vowels
// drawn out to fill the rest. Without vowels to draw out, or when the
// consonants alone would overrun, all but the pauses is timed evenly.
std::vector<TimeAnchor> wordsTimed(double wordsEnd, double target,
                                   const std::vector<SoundSegment>& segments) {
  std::vector<SoundSegment> inside;
  double totals[3] = {0.0, 0.0, 0.0};  // by SoundKind
  double pauseOut = 0.0;
  for (const SoundSegment& segment : segments) {
    const Span cut{std::max(segment.span.start, inside.empty() ? 0.0 : inside.back().span.end),
                   std::min(segment.span.end, wordsEnd)};
    if (cut.end <= cut.start) continue;
    inside.push_back({cut, segment.kind});
    totals[static_cast<int>(segment.kind)] += cut.end - cut.start;
    if (segment.kind == SoundKind::Pause) pauseOut += std::min(cut.end - cut.start, kBreathSeconds);
  }
  const double vowels = totals[static_cast<int>(SoundKind::Vowel)];
  const double consonants = totals[static_cast<int>(SoundKind::Consonant)];
  const double pauses = totals[static_cast<int>(SoundKind::Pause)];
  // Stretches the segments did not cover count as consonants.
  const double uncovered = std::max(0.0, wordsEnd - vowels - consonants - pauses);
  const double fixed = consonants + uncovered;
  const bool drawVowels = vowels > 0.0 && target - pauseOut - fixed > 0.5 * vowels;
  const double speech = drawVowels ? vowels : vowels + fixed;
  const double scale =
      speech > 0.0 ? std::max(0.0, target - pauseOut - (drawVowels ? fixed : 0.0)) / speech
                   : 1.0;
  const auto outLength = [&](SoundKind kind, double length) {
    if (kind == SoundKind::Pause) return std::min(length, kBreathSeconds);
    if (kind == SoundKind::Consonant && drawVowels) return length;
    return length * scale;
  };
  std::vector<TimeAnchor> anchors = {{0.0, 0.0}};
  double in = 0.0;
  double out = 0.0;
  for (const SoundSegment& segment : inside) {
    if (segment.span.start > in) {
      out += outLength(SoundKind::Consonant, segment.span.start - in);
      anchors.push_back({segment.span.start, out});
    }
    out += outLength(segment.kind, segment.span.end - segment.span.start);
    anchors.push_back({segment.span.end, out});
    in = segment.span.end;
  }
  if (wordsEnd > in) anchors.push_back({wordsEnd, target});
  anchors.back().to = target;  // rounding aside, the sums meet the target
  return anchors;
}

}  // namespace

MonoPcm recitedTiming(const MonoPcm& pcm, const VerseSound& sound, VerseShape shape) {
  const MonoPcm voice = slice(pcm, sound.begin, sound.end);
  const double length = voice.seconds();
  std::vector<SoundSegment> segments;
  for (const SoundSegment& segment : sound.segments) {
    segments.push_back({{segment.span.start - sound.begin, segment.span.end - sound.begin},
                        segment.kind});
  }
  MonoPcm out;
  if (shape == VerseShape::Upper) {
    out = retimed(voice, wordsTimed(length, kUpperVerseSeconds, segments));
  } else {
    const double lastStart = std::clamp(
        sound.lastSoundStart.value_or(sound.end - kGuessedLastSoundSeconds) - sound.begin,
        length / 2, length - 0.02);
    double lastEnd = std::min(sound.lastSoundEnd.value_or(sound.end), sound.end) - sound.begin;
    if (lastEnd < lastStart + 0.02) lastEnd = length;
    const double onsetEnd = lastStart + kOnsetShare * (lastEnd - lastStart);
    const double steadyEnd = lastStart + kSteadyEndShare * (lastEnd - lastStart);
    const double total = kLowerVerseWordsSeconds + kHeldEndingSeconds;
    const double dieAway = std::min(kDieAwaySeconds, length - steadyEnd);
    std::vector<TimeAnchor> anchors = wordsTimed(lastStart, kLowerVerseWordsSeconds, segments);
    anchors.push_back({onsetEnd, kLowerVerseWordsSeconds + kOnsetSeconds});
    anchors.push_back({steadyEnd, total - dieAway});
    anchors.push_back({length, total});
    out = retimed(voice, anchors);
    evenLevel(out, kLowerVerseWordsSeconds + kOnsetSeconds);
    fadeOut(out, kLowerVerseWordsSeconds + kFullBeforeFadeSeconds, kHeldEndingFadeDb);
  }
  taperEnds(out);
  return out;
}

}  // namespace fuda
