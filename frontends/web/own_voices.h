#pragma once
// The player's own recorded voices (readers 2 to 4) as the page keeps them,
// made known to the program: which folder each voice stands in, by the
// settings, and which clips it has.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fuda {

// Core thread: reader `number` now has the clips `names` ("I-000A",
// "Mesg/anki_s"). A voice with clips whose reader the settings give no
// [Path] Data<number> gets "Data<number>=.\voice<number>" added to them, as a
// desktop player names a voice's folder; without it the reader would read
// the default voice. The clips then stand in the folder the settings name.
void keepOwnVoice(const std::filesystem::path& settingsFile, int number,
                  const std::vector<std::string>& names);

// Before the program starts: the voices the page had kept, listed one clip
// a line as "<number> <name>". The list file is removed.
void keepListedOwnVoices(const std::filesystem::path& settingsFile,
                         const std::filesystem::path& list);

// The names in `lines`, one a line; empty lines are skipped.
std::vector<std::string> clipNameLines(std::string_view lines);

}  // namespace fuda
