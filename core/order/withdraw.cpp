#include "core/order/withdraw.h"

#include "core/cards/poem_table.h"
#include "core/texts/reading_texts.h"

namespace fuda {

std::optional<std::int16_t> withdrawFromOrder(ReadingState& state, ReadingOrder& order,
                                              std::uint32_t seed) {
  const int position = state.position.load();
  if (!state.running.load() || position < 1 || position > kPoemCount) return std::nullopt;
  const std::int16_t voided = order.poem[position];
  reshuffleFrom(order, position, seed);  // decisive lengths included
  state.position = static_cast<std::int16_t>(position - 1);
  return voided;
}

WithdrawMessage withdrawMessage(Language language, std::int16_t poem) {
  const std::string_view upper =
      poem >= 0 && poem <= kPoemCount ? PoemTable::forLanguage(language)[poem].upperVerse
                                      : std::string_view();
  const std::string quoted = "\"" + std::string(upper) + "\"\r\n\r\n";
  return {std::string(pick(language, texts::kWithdrawCaption)),
          quoted + std::string(pick(language, texts::kWithdrawText))};
}

}  // namespace fuda
