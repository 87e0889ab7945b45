#include "core/cards/selection_clicks.h"

#include <gtest/gtest.h>

#include "core/cards/card_selection_rules.h"
#include "core/cards/third_game_rules.h"

namespace fuda {
namespace {

constexpr int kMuButton = 1003;  // poem 87
constexpr int kMuBox = 1113;
constexpr int kThirdBBox = 1114;

TEST(SelectionClicks, ACheckBoxTakesTheStateItShows) {
  CardSelection selection;
  EXPECT_EQ(clickCardSelection(selection, kMuBox, true), SelectionDialogStep::ShowSelection);
  EXPECT_EQ(selection.selected[87], 1);
  clickCardSelection(selection, kMuBox, false);
  EXPECT_EQ(selection.selected[87], 0);
}

TEST(SelectionClicks, OkWithNoCardKeepsTheDialogWithItsMessage) {
  CardSelection selection;
  EXPECT_EQ(clickCardSelection(selection, kSelectionOkButton, false),
            SelectionDialogStep::ShowNothingSelected);
  EXPECT_EQ(clickThirdGame(selection, kThirdOkButton), SelectionDialogStep::ShowNothingSelected);
}

TEST(SelectionClicks, OkWithACardAndCancelClose) {
  CardSelection selection;
  clickCardSelection(selection, kMuButton, false);
  EXPECT_EQ(clickCardSelection(selection, kSelectionOkButton, false), SelectionDialogStep::Close);
  EXPECT_EQ(clickThirdGame(selection, kThirdCancelButton), SelectionDialogStep::Close);
}

TEST(SelectionClicks, AThirdsBoxChoosesItsThird) {
  CardSelection selection;
  clickThirdGame(selection, kThirdBBox);
  EXPECT_EQ(selection.thirdChoice, 2);
}

}  // namespace
}  // namespace fuda
