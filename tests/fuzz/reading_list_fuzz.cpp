// The list-file loader on any bytes, in both builds: the entries run in line
// order; a list it accepts holds 1 to 100 distinct poems; and that list,
// written out as the export writes it, loads back as the same list.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "tests/fuzz/fuzz_check.h"
#include "core/cards/poem_table.h"
#include "core/order/reading_order_list.h"

namespace {

using namespace fuda;

void checkLanguage(std::string_view bytes, Language language) {
  const auto loaded = playableReadingList(bytes, language);
  const auto* list = std::get_if<ReadingList>(&loaded);
  if (list == nullptr) {
    FUZZ_CHECK(!std::get<std::string>(loaded).empty());
    return;
  }
  FUZZ_CHECK(list->count >= 1 && list->count <= kPoemCount);
  std::array<bool, kPoemCount + 1> seen{};
  for (int position = 1; position <= kPoemCount; ++position) {
    const std::int16_t poem = list->poem[position];
    if (position > list->count) {
      FUZZ_CHECK(poem == kNoCard);
      continue;
    }
    FUZZ_CHECK(poem >= 1 && poem <= kPoemCount);
    FUZZ_CHECK(!seen[poem]);
    seen[poem] = true;
  }

  ReadingOrder order;
  order.poem.fill(kNoCard);
  order.poem[0] = 0;
  for (int position = 1; position <= kPoemCount; ++position) order.poem[position] = list->poem[position];
  computeDecisiveLengths(order);
  const std::string written = readingListBytes(order, language, PoemTable::forLanguage(language));
  const auto again = playableReadingList(written, language);
  const auto* reloaded = std::get_if<ReadingList>(&again);
  FUZZ_CHECK(reloaded != nullptr);
  FUZZ_CHECK(reloaded->count == list->count);
  FUZZ_CHECK(reloaded->poem == list->poem);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto entries = readingListEntries(bytes);
  int line = 1;
  for (const ReadingListEntry& entry : entries) {
    FUZZ_CHECK(entry.line >= line);
    line = entry.line;
  }
  checkLanguage(bytes, Language::Japanese);
  checkLanguage(bytes, Language::English);
  return 0;
}
