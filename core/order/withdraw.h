#pragma once
// Withdrawing the last reading: the card whose upper verse was read last goes
// back among the unread cards, the rest is reshuffled and the game steps back
// one position, so the next step repeats the lower verse that led to it.
#include <cstdint>
#include <optional>
#include <string>

#include "core/texts/language.h"
#include "core/order/reading_order.h"
#include "core/game/reading_state.h"

namespace fuda {

// Acts only while a game runs and a card has been read. Returns the voided
// poem; nullopt when nothing was done. The caller keeps the reading thread
// away from `order` and `position` meanwhile.
std::optional<std::int16_t> withdrawFromOrder(ReadingState& state, ReadingOrder& order,
                                              std::uint32_t seed);

struct WithdrawMessage {
  std::string caption;
  std::string text;
};
WithdrawMessage withdrawMessage(Language language, std::int16_t poem);

}  // namespace fuda
