#pragma once
// Text is UTF-8 in memory; a path built from a plain std::string would be
// read in the system's code page on Windows, so every text that names a file
// goes through these two, on every platform.
#include <filesystem>
#include <string>
#include <string_view>

namespace fuda {

std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace fuda
