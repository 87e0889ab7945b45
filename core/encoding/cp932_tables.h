#pragma once
// The CP932 (Shift-JIS) code table in both directions, sorted by the first
// member of each pair. CP932 codes above 0xFF are lead byte times 256 plus
// trail byte; the ASCII range maps to itself and is not listed.
#include <array>
#include <cstdint>

namespace fuda {

struct CodePair {
  std::uint16_t from;
  std::uint16_t to;
};

extern const std::array<CodePair, 9667> kCp932ToUnicode;
extern const std::array<CodePair, 9278> kUnicodeToCp932;

}  // namespace fuda
