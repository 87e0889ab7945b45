#pragma once
// What the default voice says: every clip's name, folder and text in kana.
// The verses come from the poem table's reading column, so the table stays
// the one source of the poems' texts.
#include <span>
#include <string>
#include <vector>

#include "core/clips/clip_source.h"
#include "core/cards/poem_table.h"
#include "voicegen/kana_words.h"

namespace fuda {

// Verses are recited slowly; announcements are spoken at a calm talking pace.
enum class SpeechPace { Recitation, Announcement };

struct VoiceLine {
  std::string name;  // "I-001A", "anki_s": the file name without extension
  ClipFolder folder = ClipFolder::Verses;
  std::string kana;  // hiragana, blanks between the lines of the poem
  SpeechPace pace = SpeechPace::Recitation;
  // An announcement as written Japanese, for a synthesiser that reads kanji
  // and speaks it as a sentence; empty for the verses.
  std::string sentence;
  // The reading as the table spells it, words parted by blanks; empty for the
  // announcements.
  std::string reading;
};

struct VoiceScript {
  std::vector<VoiceLine> lines;  // the verses of poems 0..100, then "Mesg"
};

inline constexpr int kVoiceClipCount = 2 * (kPoemCount + 1) + 4;

// The morae of the lines of an upper verse (5-7-5) and a lower one (7-7).
inline constexpr int kUpperVerseLines[] = {5, 7, 5};
inline constexpr int kLowerVerseLines[] = {7, 7};

VoiceScript makeVoiceScript();

// A verse as the synthesiser should say it: the words run together within
// each line of the poem and a blank between lines, which gives the even flow
// of a recitation with a breath between lines, and the last vowel held as a
// reader holds it. Lines are found by counting morae against `lineMorae`,
// allowing for extra syllables, and start on a particle only where the
// morae leave no better cut.
std::string recitedVerse(const KanaText& verse, std::span<const int> lineMorae);

enum class VerseHalf { Upper, Lower };

// "I-" + three-digit number + "A" (upper verse) or "B" (lower verse).
std::string verseClipName(int poem, VerseHalf half);

}  // namespace fuda
