// Writes to standard output the list file the desktop reader writes for a
// game in the order given: the language ("ja" or "en"), then the poem numbers
// in reading order. The page's test compares the page's export with it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/cards/poem_table.h"
#include "core/order/reading_order.h"
#include "core/order/reading_order_list.h"

int main(int argc, char* argv[]) {
  using namespace fuda;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s ja|en POEM...\n", argv[0]);
    return 2;
  }
  const Language language = std::string(argv[1]) == "en" ? Language::English : Language::Japanese;
  ReadingOrder order;
  order.poem.fill(kNoCard);
  order.poem[0] = 0;
  for (int i = 2; i < argc && i - 1 <= kPoemCount; ++i) {
    order.poem[i - 1] = static_cast<std::int16_t>(std::atoi(argv[i]));
  }
  computeDecisiveLengths(order);
  const std::string bytes = readingListBytes(order, language, PoemTable::forLanguage(language));
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  return 0;
}
