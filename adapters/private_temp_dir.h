#pragma once
// The program's own temporary directory for decoded clips: made at start,
// readable by its owner only, under a fresh name, so no other user can plant or read its files,
// and removed with everything in it when the owner goes away.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace fuda {

// Each platform's adapter gives these two: its system temporary folder, and a
// new folder under `parent` named `prefix` + random characters that only its
// owner may use (an empty path when none could be made).
std::filesystem::path systemTempDir();
std::filesystem::path makePrivateDir(const std::filesystem::path& parent,
                                     std::string_view prefix);

class PrivateTempDir {
 public:
  // Made under the system's temporary directory, named
  // `prefix` + six random characters. If it cannot be made, path() is empty
  // and decoding then fails with the usual missing-file message.
  explicit PrivateTempDir(std::string_view prefix = "fudayomi-")
      : PrivateTempDir(systemTempDir(), prefix) {}
  // Made under `parent` instead.
  PrivateTempDir(const std::filesystem::path& parent, std::string_view prefix)
      : path_(makePrivateDir(parent, prefix)) {}
  ~PrivateTempDir() {
    if (path_.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }

  PrivateTempDir(const PrivateTempDir&) = delete;
  PrivateTempDir& operator=(const PrivateTempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  bool isValid() const { return !path_.empty(); }

 private:
  std::filesystem::path path_;
};

}  // namespace fuda
