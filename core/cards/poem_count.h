#pragma once
// How many poems a game has. Every per-poem array is indexed by poem number
// and holds one entry more: 0 is the preface poem.
namespace fuda {

inline constexpr int kPoemCount = 100;  // poems 1..100
inline constexpr int kPoemSlots = kPoemCount + 1;

}  // namespace fuda
