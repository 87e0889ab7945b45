#pragma once
// The folder of the running program file, where the list file and decoders
// of our own lie. Each platform defines it in an adapter of its own.
#include <filesystem>

namespace fuda {

std::filesystem::path programDir();

}  // namespace fuda
