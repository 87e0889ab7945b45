#pragma once
// The card selection dialog without its widgets: the layout tables of its
// poem buttons, check boxes and block buttons, and what each control does to
// the CardSelection. The dialog's check boxes show `selected` and nothing
// else, so every action here is a change of the flags.
#include <array>
#include <span>
#include <vector>

#include "core/texts/language.h"
#include "core/cards/card_selection.h"

namespace fuda {

// Controls of the card selection dialog besides the poem buttons and boxes.
enum SelectionControlId : int {
  kSelectionTitleLabel = 1008,
  kSelectionOkButton = 1221,
  kSelectionCancelButton = 1222,
};

inline constexpr int kSelectionColumnCount = 7;

// One poem's button and the check box beside it. Row k of the table (from 1)
// is the k-th button created, and its box is captioned "Check" + k.
struct PoemButton {
  int buttonId;
  int boxId;
  int column;  // 1..7
  int y;
  LocalText caption;  // the dialog's own decisive syllables
  int poem;           // 0 = the preface poem
};

// Buttons in columns of 100 px from x = 70; boxes stand just to their left.
constexpr int poemButtonX(const PoemButton& button) { return 70 + 100 * (button.column - 1); }
constexpr int poemBoxX(const PoemButton& button) { return poemButtonX(button) - 16; }
constexpr int poemBoxY(const PoemButton& button) { return button.y + 2; }
inline constexpr int kPoemButtonWidth = 60;
inline constexpr int kPoemButtonHeight = 20;
inline constexpr int kPoemBoxWidth = 17;
inline constexpr int kPoemBoxHeight = 14;

// A block button flips the cards of one column, the preface poem excepted:
// rows firstRow..lastRow (1-based, inclusive) of the poem button table.
struct BlockButton {
  int id;
  int x;
  LocalText caption;
  int firstRow;
  int lastRow;
};
inline constexpr int kBlockButtonY = 25;
inline constexpr int kBlockButtonWidth = 80;
inline constexpr int kBlockButtonHeight = 20;

// In creation order.
std::span<const PoemButton> poemButtons();
std::span<const BlockButton> blockButtons();

// Look-ups by control id; null when the id is not one of theirs.
const PoemButton* poemButtonById(int buttonId);
const PoemButton* poemButtonByBoxId(int boxId);
const BlockButton* blockButtonById(int id);
// The poems a block flips, in table order.
std::vector<int> blockPoems(const BlockButton& block);

// Adds the poem if it is out, takes it out if it is in.
void flipCard(CardSelection& selection, int poem);
// Flips each card of the block once: a partly chosen block ends inverted.
void flipBlock(CardSelection& selection, const BlockButton& block);
// A click on a check box: the box already shows its new state.
void setCardFromBox(CardSelection& selection, int poem, bool checked);

enum class OkOutcome { Close, ShowNothingSelected };
// OK: the flags come into force when at least one card of 1..100 is chosen.
// Otherwise nothing changes and the dialog stays open with its message.
OkOutcome confirmSelection(CardSelection& selection);
// CANCEL: every edit and any earlier selection is dropped; the third chosen
// for the memorisation time stays.
void cancelSelection(CardSelection& selection);

}  // namespace fuda
