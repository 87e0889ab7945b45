#pragma once
// A verse of the reading column cut into the morae a listener hears.
#include <string>
#include <string_view>
#include <vector>

namespace fuda {

// The morae of `reading` (hiragana, words parted by blanks), one string each:
// a kana with the small ゃ ゅ ょ ぁ ぃ ぅ ぇ ぉ that follow it. A long o written
// おう inside a word is heard as おお, so おうことの and おおえやま open alike.
std::vector<std::string> recitedMorae(std::string_view reading);

}  // namespace fuda
