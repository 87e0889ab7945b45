#include "core/cards/third_game_rules.h"

#include <algorithm>
#include <array>

namespace fuda {

namespace {

// あ な い う し す さ せ
constexpr std::array<std::int16_t, 34> kThirdA{
    1,  3,  7,  12, 18, 19, 21, 25, 30, 31, 36, 37, 39, 40, 43, 45, 52,
    53, 56, 58, 61, 63, 64, 65, 69, 70, 74, 77, 78, 79, 80, 84, 86, 88};
// た こ み か ち き つ も む め
constexpr std::array<std::int16_t, 33> kThirdB{
    4,  6,  10, 13, 14, 15, 16, 17, 23, 24, 27, 29, 34, 41, 42, 48, 49,
    50, 51, 55, 57, 66, 68, 73, 75, 87, 89, 90, 91, 94, 97, 98, 100};
// お わ は や よ ひ ゆ ふ ほ
constexpr std::array<std::int16_t, 33> kThirdC{
    2,  5,  8,  9,  11, 20, 22, 26, 28, 32, 33, 35, 38, 44, 46, 47, 54,
    59, 60, 62, 67, 71, 72, 76, 81, 82, 83, 85, 92, 93, 95, 96, 99};

// The Japanese labels space the kana with ideographic spaces, the English
// ones pad each syllable to four characters.
const std::array<Third, 3> kThirds{{
    {1, 1003, 1008, 1113, 30, {"Ａ", "A"},
     {"あ　　　な　　　い　　　う　し　　　す　さ　せ", "A   Na  I   U   Si  Su  Sa  Se"},
     kThirdA},
    {2, 1004, 1009, 1114, 110, {"Ｂ", "B"},
     {"た　こ　　み　　か　　ち　き　　つ　も　　　む　め",
      "Ta  Ko  Mi  Ka  Ti  Ki  Tu  Mo  Mu  Me"},
     kThirdB},
    {3, 1005, 1010, 1115, 190, {"Ｃ", "C"},
     {"お　わ　　は　や　よ　　ひ　　ゆ　　ふ　ほ", "O   Wa  Ha  Ya  Yo  Hi  Yu  Fu  Ho"},
     kThirdC},
}};

void clearCards(CardSelection& selection) {
  selection.selected.fill(false);
  selection.selected[0] = true;
}

}  // namespace

std::span<const Third> thirds() { return kThirds; }

const Third* thirdByButtonId(int id) {
  auto it = std::find_if(kThirds.begin(), kThirds.end(),
                         [id](const Third& t) { return t.buttonId == id; });
  return it == kThirds.end() ? nullptr : &*it;
}

const Third* thirdByBoxId(int id) {
  auto it = std::find_if(kThirds.begin(), kThirds.end(),
                         [id](const Third& t) { return t.boxId == id; });
  return it == kThirds.end() ? nullptr : &*it;
}

void chooseThird(CardSelection& selection, const Third& third) {
  clearCards(selection);
  if (selection.thirdChoice == third.choice) {
    selection.thirdChoice = 0;
    return;
  }
  for (std::int16_t poem : third.poems) selection.selected[poem] = true;
  selection.thirdChoice = third.choice;
}

ThirdOkOutcome confirmThird(CardSelection& selection) {
  const int count = selection.countSelected();
  // As in the card selection: a zero count is not stored, so that leaving by
  // the close box afterwards cannot shorten the next game to no card.
  if (count == 0) return ThirdOkOutcome::ShowNoThirdChosen;
  selection.selectedCount = static_cast<std::int16_t>(count);
  selection.selectionActive = true;
  selection.selected[0] = true;
  return ThirdOkOutcome::Close;
}

void cancelThird(CardSelection& selection) { selection.reset(); }

}  // namespace fuda
