#pragma once
// The English texts of the poem table: the preface poem and the hundred.
#include "core/cards/poem_count.h"
#include "core/cards/poem_table.h"

namespace fuda {

extern const Poem kPoemsEnglish[kPoemSlots];

}  // namespace fuda
