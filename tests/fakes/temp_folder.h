#pragma once
// A private folder for one test, removed with everything in it afterwards.
#include <stdlib.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <string>

namespace fuda::testing {

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/fuda-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    // Without a folder of its own a test cannot run safely; never fall back
    // to a shared one that the destructor would then remove.
    if (made == nullptr) std::abort();
    path_ = made;
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
