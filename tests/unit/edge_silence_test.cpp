#include "core/clips/edge_silence.h"

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"

namespace fuda {
namespace {

TEST(EdgeSilenceSetting, ClipsAreTrimmedUnlessTrimIsSwitchedOff) {
  testing::TempFolder folder;
  EXPECT_EQ(edgeSilenceSetting(SettingsFile(folder / "fudayomi.ini")), EdgeSilence::Trimmed);
  const auto with = [&](const std::string& value) {
    return edgeSilenceSetting(
        SettingsFile(folder.write("fudayomi.ini", "[reader]\ntrim = " + value + "\n")));
  };
  EXPECT_EQ(with("1"), EdgeSilence::Trimmed);
  EXPECT_EQ(with("0"), EdgeSilence::AsRecorded);
  EXPECT_EQ(with("off"), EdgeSilence::Trimmed);
}

}  // namespace
}  // namespace fuda
