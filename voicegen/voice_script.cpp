#include "voicegen/voice_script.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/cards/poem_readings.h"

namespace fuda {

namespace {

struct Announcement {
  std::string_view name;
  std::string_view kana;
  std::string_view sentence;
};

// The memorisation start (fifteen and five minutes), two minutes left, and
// the start of the match, as a club's reader would say them.
constexpr Announcement kAnnouncements[] = {
    {"anki_s", "ただいまから じゅうごふんかんの あんきじかんです",
     "ただいまから、十五分間の暗記時間です。"},
    {"anki_5", "ただいまから ごふんかんの あんきじかんです",
     "ただいまから、五分間の暗記時間です。"},
    {"nifun", "きょうぎかいし にふんまえです", "競技開始、二分前です。"},
    {"shiai_s", "いまから きょうぎを かいしします", "それでは、競技を開始します。"},
};

// Particles belong to the word before them, so a line that starts with one
// costs as much as a line one mora off its length: "Kokoro ate ni" is a long
// first line, yet "to Bakari wo" may still open the last.
constexpr int kParticleStartCost = 1;

struct Split {
  int cost = std::numeric_limits<int>::max();
  std::vector<std::size_t> starts;  // first word of each line
};

// Tries every way of cutting words[from..] into the remaining lines and keeps
// the cheapest; of equal ones, the first found.
void searchSplit(const std::vector<int>& morae,
                 const std::vector<WordKind>& kinds,
                 std::span<const int> targets, std::size_t from, int costSoFar,
                 std::vector<std::size_t>& starts, Split& best) {
  const std::size_t line = starts.size();
  starts.push_back(from);
  if (line > 0 && kinds[from] == WordKind::Particle) costSoFar += kParticleStartCost;
  const bool lastLine = line + 1 == targets.size();
  int length = 0;
  for (std::size_t end = from + 1; end <= morae.size(); ++end) {
    length += morae[end - 1];
    if (lastLine && end != morae.size()) continue;
    if (morae.size() - end < targets.size() - line - 1) break;  // rest too short
    const int cost = costSoFar + std::abs(length - targets[line]);
    if (cost >= best.cost) continue;
    if (lastLine) {
      best.cost = cost;
      best.starts = starts;
    } else {
      searchSplit(morae, kinds, targets, end, cost, starts, best);
    }
  }
  starts.pop_back();
}

}  // namespace

std::string recitedVerse(const KanaText& verse,
                         std::span<const int> lineMorae) {
  std::vector<int> morae;
  std::vector<WordKind> kinds;
  for (const KanaWord& word : verse.words) {
    morae.push_back(countMorae(word.kana));
    kinds.push_back(word.kind);
  }
  std::string text;
  if (verse.words.size() < lineMorae.size()) {
    text = verse.joined(" ");
  } else {
    Split best;
    std::vector<std::size_t> starts;
    searchSplit(morae, kinds, lineMorae, 0, 0, starts, best);
    std::size_t nextStart = 1;
    for (std::size_t i = 0; i < verse.words.size(); ++i) {
      if (nextStart < best.starts.size() && best.starts[nextStart] == i) {
        text += ' ';
        ++nextStart;
      }
      text += verse.words[i].kana;
    }
  }
  // The held last vowel; after ん or っ there is none to hold.
  constexpr std::string_view kHeld[] = {"ん", "っ", "ー"};
  bool holdable = !text.empty();
  for (const std::string_view ending : kHeld) {
    if (text.ends_with(ending)) holdable = false;
  }
  if (holdable) text += "ー";
  return text;
}

std::string verseClipName(int poem, VerseHalf half) {
  char name[16];
  std::snprintf(name, sizeof name, "I-%03d%c", poem,
                half == VerseHalf::Upper ? 'A' : 'B');
  return name;
}

VoiceScript makeVoiceScript() {
  VoiceScript script;
  for (int poem = 0; poem <= kPoemCount; ++poem) {
    for (const VerseHalf half : {VerseHalf::Upper, VerseHalf::Lower}) {
      const std::string_view reading = half == VerseHalf::Upper
                                           ? poemReading(poem).upperVerse
                                           : poemReading(poem).lowerVerse;
      script.lines.push_back(
          {verseClipName(poem, half), ClipFolder::Verses,
           recitedVerse(readingWords(reading),
                        half == VerseHalf::Upper
                            ? std::span<const int>(kUpperVerseLines)
                            : std::span<const int>(kLowerVerseLines)),
           SpeechPace::Recitation, std::string(), std::string(reading)});
    }
  }
  for (const Announcement& announcement : kAnnouncements) {
    script.lines.push_back({std::string(announcement.name),
                            ClipFolder::Announcements,
                            std::string(announcement.kana), SpeechPace::Announcement,
                            std::string(announcement.sentence)});
  }
  return script;
}

}  // namespace fuda
