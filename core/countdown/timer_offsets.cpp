#include "core/countdown/timer_offsets.h"

#include "core/encoding/number_text.h"

namespace fuda {

TimerOffsets timerOffsets(const SettingsFile& settings) {
  const TimerOffsets defaults;
  return {integerFromText(settings.read("Timer", "Posx", std::to_string(defaults.x))),
          integerFromText(settings.read("Timer", "Posy", std::to_string(defaults.y)))};
}

}  // namespace fuda
