#include "core/game/timing_adjustment.h"

#include "core/encoding/number_text.h"
#include "core/texts/reading_texts.h"

namespace fuda {

std::int32_t timingPauseFor(int trackBarPosition) { return trackBarPosition * 20; }

std::string timingLabel(Language language, std::int32_t timingPauseMs) {
  const double seconds = timingPauseMs / 1000.0;
  std::string value = decimalText(seconds);
  // Pad to one digit, a point and two decimals: "1" -> "1.00", "1.1" -> "1.10".
  value += value.size() < 2 ? ".000" : "000";
  value.resize(4);
  return std::string(pick(language, texts::kTimingLabelPrefix)) + value;
}

}  // namespace fuda
