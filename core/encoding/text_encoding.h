#pragma once
// Text is UTF-8 everywhere in memory; CP932 (Shift-JIS) appears only at the
// byte edges: the Japanese list file and settings files written in it.
#include <optional>
#include <string>
#include <string_view>

namespace fuda {

bool isValidUtf8(std::string_view bytes);

// Invalid input gives nullopt.
std::optional<std::string> cp932ToUtf8(std::string_view bytes);
std::optional<std::string> utf8ToCp932(std::string_view text);

// The first `morae` syllable units of a kimariji text: one non-ASCII
// character (a kana) or two ASCII characters ("Ki", "A_") each.
std::string firstMorae(std::string_view text, int morae);
int moraCount(std::string_view text);

}  // namespace fuda
