#include "core/clips/edge_silence.h"

namespace fuda {

EdgeSilence edgeSilenceSetting(const SettingsFile& settings) {
  return settings.read("Reader", "Trim", "1") == "0" ? EdgeSilence::AsRecorded
                                                     : EdgeSilence::Trimmed;
}

}  // namespace fuda
