#pragma once
// A private folder for one test, removed with everything in it afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fuda::testing {

class TempFolder {
 public:
  TempFolder() {
    // create_directory fails on a name already taken, so a folder it makes is
    // this test's alone, on Windows as on Linux.
    std::random_device seed;
    std::mt19937_64 random(seed());
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
      auto candidate = base / ("fuda-test-" + std::to_string(random()));
      std::error_code error;
      if (std::filesystem::create_directory(candidate, error)) {
        path_ = std::move(candidate);
        return;
      }
    }
    // Without a folder of its own a test cannot run safely; never fall back
    // to a shared one that the destructor would then remove.
    std::abort();
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& relative) const {
    return path_ / relative;
  }
  // Writes `content` as bytes to a file below the folder, making its folders.
  std::filesystem::path write(const std::filesystem::path& relative,
                              const std::string& content) const {
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace fuda::testing
