#include "adapters/private_temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/wav_bytes.h"

namespace fuda {
namespace {

TEST(PrivateTempDir, IsOursAloneAndGoesWithEverythingInIt) {
  std::filesystem::path kept;
  {
    PrivateTempDir first;
    PrivateTempDir second;
    ASSERT_TRUE(first.isValid());
    ASSERT_TRUE(second.isValid());
    EXPECT_NE(first.path(), second.path());
    struct stat info {};
    ASSERT_EQ(stat(first.path().c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, getuid());

    kept = first.path();
    std::filesystem::create_directory(kept / "sub");
    testing::writeText(kept / "sub" / "I-001A.WAV", "x");
    testing::writeText(kept / "Lock.dat", "");
  }
  EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST(PrivateTempDir, AParentThatCannotHoldItGivesAnEmptyPath) {
  PrivateTempDir dir(std::filesystem::path("/nonexistent/place"), "fudayomi-");
  EXPECT_FALSE(dir.isValid());
  EXPECT_TRUE(dir.path().empty());
}

}  // namespace
}  // namespace fuda
