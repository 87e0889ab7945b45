#pragma once
// Texts are UTF-8 everywhere in the program; the W functions of Windows take
// UTF-16.
#include <string>
#include <string_view>

namespace fuda {

// Invalid UTF-8 becomes U+FFFD rather than failing.
std::wstring toWide(std::string_view utf8);

}  // namespace fuda
