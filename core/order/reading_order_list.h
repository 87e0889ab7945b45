#pragma once
// The reading-order list file "readlist.txt" in the list folder (the
// program's folder, or the user's data folder when that one is read-only): the
// order of the game in progress written out, one line per reading position,
// and such a file loaded back to replace the next game's shuffle.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

#include "core/texts/language.h"
#include "core/ports/message_sink.h"
#include "core/cards/card_selection.h"
#include "core/cards/poem_table.h"
#include "core/order/list_path_shown.h"
#include "core/order/reading_order.h"
#include "core/game/reading_state.h"

namespace fuda {

inline constexpr std::string_view kReadingListName = "readlist.txt";
// A list is 100 short lines (about 13 KB); anything far larger is not one,
// and is refused rather than read whole.
inline constexpr std::size_t kReadingListMaxBytes = 1024 * 1024;

// Menu command "Writing of the List" (GUI thread). Writes the order of the
// game in progress; does nothing when no game is on. Reports completion (with
// the file's path when `pathShown` asks for it), or the path and reason when
// the file cannot be written; a failed write leaves any earlier file as it was.
void readingOrderExport(const ReadingOrder& order, const ReadingState& state,
                        const std::filesystem::path& listDir,
                        Language language, const PoemTable& poems,
                        MessageSink& messages,
                        ListPathShown pathShown = ListPathShown::No);

// Menu command "Reading of the List" (GUI thread). Does nothing during a
// game. A list the reading can play replaces the next game's shuffle (the
// decisive lengths are computed for it); any other file is refused with a
// message and nothing changes.
void readingOrderImport(ReadingOrder& order, CardSelection& selection,
                        ReadingState& state,
                        const std::filesystem::path& listDir,
                        Language language, MessageSink& messages);

// A game cut short (the program ended mid-game): the list file of its
// cards, and after its 100 lines one more holding the current position. A
// list import reads only the first 100, so the bytes are a list file still.
// Empty when no game is on.
std::string unfinishedGameBytes(const ReadingOrder& order, const ReadingState& state,
                                Language language, const PoemTable& poems);

// Going on with a game cut short: the cards of `bytes` (as
// unfinishedGameBytes gave them) replace the next game's shuffle as a loaded
// list does, without the list's messages, and the game opens at the kept
// position. False, and nothing changes, during a game or when no game can
// play the bytes.
bool resumeReadingOrder(ReadingOrder& order, CardSelection& selection, ReadingState& state,
                        std::string_view bytes, Language language);

// The file's bytes for `order`: 100 lines ended by CR LF, CP932 in the
// Japanese build and ASCII in the English one. Positions without a card give
// empty lines; the others hold the poem number, the position, the decisive
// syllables shown there (12 bytes), the upper verse (44 bytes; one longer, or
// as long, is written whole with a blank after it) and the lower verse.
std::string readingListBytes(const ReadingOrder& order, Language language,
                             const PoemTable& poems);

// One entry of a list file: the line it starts on and the number it reads
// as (0 for an empty entry). Only the number at the start of an entry counts.
struct ReadingListEntry {
  int line = 0;
  std::int32_t number = 0;
};

// The first 100 entries of a list file. An entry skips leading blanks and
// tabs and runs to the end of the line (CR LF or LF), a NUL byte or a comma
// outside double quotes; the positions after the end of the file are empty.
std::array<ReadingListEntry, 100> readingListEntries(std::string_view bytes);

// The cards a list file's bytes give, in reading order: poem[1..count], no
// card after them. Empty positions are closed up; numbers outside 1..100 or
// listed twice make the file one the reading cannot play.
struct ReadingList {
  std::array<std::int16_t, 101> poem{};  // index = position
  int count = 0;
};

// The list, or the message that says why it cannot be played.
std::variant<ReadingList, std::string> playableReadingList(std::string_view bytes,
                                                          Language language);

}  // namespace fuda
