// How many opening syllables identify each card at its turn, given the cards
// read before it. Cards left out of a game still count as to come: a player
// cannot know which cards are absent, so their partners keep the longer
// decisive syllables.
#include <array>
#include <cstdint>
#include <initializer_list>

#include "core/cards/poem_table.h"
#include "core/order/reading_order.h"

namespace fuda {

namespace {

constexpr int kGroupCount = 27;

// Cards of each first-syllable group in the full hundred, index = group.
constexpr std::array<std::int16_t, kGroupCount + 1> kGroupSize = {
    0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3,
    3, 3, 4, 4, 4, 4, 5, 6, 6, 7, 7, 8, 16};

// The length of a card of each group unless an exception applies.
constexpr std::array<std::int16_t, kGroupCount + 1> kGroupDefault = {
    0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 4,
    3, 6, 3, 3, 5, 3, 3, 2, 4, 3, 3, 3, 3};

// Poems whose own default differs from their group's.
struct PoemDefault {
  std::int16_t poem;
  std::int16_t length;
};
constexpr std::array<PoemDefault, 8> kPoemDefaults = {{
    {76, 6}, {11, 6},           // わたのはら
    {25, 4}, {88, 4}, {19, 4},  // なに
    // あさ: the exceptions below cover every case of these three.
    {39, 6}, {31, 6}, {64, 6},
}};

// Poem `poem` gets `length` when every poem of `read` has been read and no
// poem of `unread` has. Exceptions of one poem are tried in order; the last
// one that applies wins.
struct Exception {
  std::int16_t poem;
  std::int16_t length;
  std::array<std::int16_t, 2> read{};    // 0 = unused
  std::array<std::int16_t, 2> unread{};  // 0 = unused
};

constexpr Exception kExceptions[] = {
    // 13 い
    {61, 2}, {21, 2, {63}}, {63, 2, {21}},
    // 14 ち
    {17, 2}, {75, 2, {42}}, {42, 2, {75}},
    // 15 ひ
    {33, 2}, {35, 2, {99}}, {99, 2, {35}},
    // 16 き
    {91, 2}, {50, 2, {15}}, {15, 2, {50}},
    // 17 は
    {96, 2, {9}}, {9, 2, {96}}, {2, 2, {67}}, {67, 2, {2}},
    // 18 や
    {47, 2}, {59, 2}, {32, 2, {28}}, {28, 2, {32}},
    // 19 よ
    {85, 2}, {62, 2}, {93, 2, {83}}, {83, 2, {93}},
    // 20 か
    {51, 2}, {6, 2}, {98, 2, {48}}, {48, 2, {98}},
    // 21 み
    {90, 2}, {14, 2}, {94, 2}, {49, 2, {27}}, {27, 2, {49}},
    // 23 こ
    {41, 2}, {97, 2}, {24, 2}, {10, 2}, {29, 2, {68}}, {68, 2, {29}},
    // 24 お
    {5, 2}, {26, 2}, {72, 2}, {82, 2},
    {60, 2, {95, 44}}, {95, 2, {60, 44}}, {44, 2, {60, 95}},
    // 25 わ
    {76, 2, {11}}, {11, 2, {76}},
    {20, 2}, {8, 2, {92}}, {92, 2, {8}}, {38, 2, {54}}, {54, 2, {38}},
    // 26 な
    {25, 3}, {88, 3, {19}}, {19, 3, {88}},
    {25, 2, {88, 19}}, {88, 2, {25, 19}}, {19, 2, {25, 88}},
    {36, 2}, {80, 2, {84}}, {84, 2, {80}}, {53, 2, {86}}, {86, 2, {53}},
    // 27 あ: あさじ, あさぼらけあ, あさぼらけう
    {39, 3, {}, {31, 64}}, {39, 3, {64}, {31}}, {39, 3, {31}, {64}},
    {39, 2, {31, 64}},
    {31, 6, {}, {64}}, {31, 3, {64}, {39}}, {31, 2, {64, 39}},
    {64, 6, {}, {31}}, {64, 3, {31}, {39}}, {64, 2, {31, 39}},
    // 27 あ, the others
    {43, 2}, {52, 2}, {3, 2}, {79, 2, {1}}, {1, 2, {79}}, {12, 2, {7}},
    {7, 2, {12}}, {56, 2, {69}}, {69, 2, {56}}, {30, 2, {58}},
    {58, 2, {30}}, {78, 2, {45}}, {45, 2, {78}},
};

using ReadFlags = std::array<bool, kPoemCount + 1>;

bool applies(const Exception& exception, const ReadFlags& alreadyRead) {
  for (std::int16_t poem : exception.read) {
    if (poem != 0 && !alreadyRead[poem]) return false;
  }
  for (std::int16_t poem : exception.unread) {
    if (poem != 0 && alreadyRead[poem]) return false;
  }
  return true;
}

std::int16_t ruleLength(std::int16_t poem, const ReadFlags& alreadyRead) {
  std::int16_t length = kGroupDefault[poemGroup(poem)];
  for (const PoemDefault& own : kPoemDefaults) {
    if (own.poem == poem) length = own.length;
  }
  for (const Exception& exception : kExceptions) {
    if (exception.poem == poem && applies(exception, alreadyRead)) {
      length = exception.length;
    }
  }
  return length;
}

}  // namespace

void computeDecisiveLengths(ReadingOrder& order) {
  std::array<std::int16_t, kGroupCount + 1> groupRemaining = kGroupSize;
  ReadFlags alreadyRead{};
  for (int p = 1; p <= kPoemCount; ++p) {
    const std::int16_t n = order.poem[p];
    // Fillers, and anything that is not a card (a damaged order), show nothing.
    if (n < 1 || n > kPoemCount || alreadyRead[n]) {
      order.decisiveLength[p] = 0;
      continue;
    }
    const std::int16_t group = poemGroup(n);
    --groupRemaining[group];
    alreadyRead[n] = true;
    order.decisiveLength[p] =
        groupRemaining[group] == 0 ? 1 : ruleLength(n, alreadyRead);
  }
}

}  // namespace fuda
