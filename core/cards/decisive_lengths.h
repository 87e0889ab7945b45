#pragma once
// How many opening syllables identify each card at its turn, given the cards
// read before it.
#include <cstdint>
#include <span>

namespace fuda {

// `poems` holds the cards in the order they are read; `lengths` (as long)
// gets, for each turn, one more mora than the card's upper verse shares with
// any card still to come, as recited. Cards left out of a game still count as
// to come: a player cannot know which cards are absent, so their partners
// keep the longer decisive syllables. Anything that is not a card 1..100, or
// a card met before, gets 0.
void decisiveLengths(std::span<const std::int16_t> poems, std::span<std::int16_t> lengths);

}  // namespace fuda
