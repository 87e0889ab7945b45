#pragma once
// Texts are UTF-8 everywhere in the program; the W functions of Windows take
// UTF-16.
#include <string>
#include <string_view>

namespace fuda {

std::wstring wideText(std::string_view utf8);

}  // namespace fuda
