#pragma once
// The program's own temporary directory for decoded clips: made at start,
// readable by its owner only, under a fresh name, so no other user can plant or read its files,
// and removed with everything in it when the owner goes away.
#include <filesystem>
#include <string_view>

namespace fuda {

class PrivateTempDir {
 public:
  // Made under the system's temporary directory, named
  // `prefix` + six random characters. If it cannot be made, path() is empty
  // and decoding then fails with the usual missing-file message.
  explicit PrivateTempDir(std::string_view prefix = "fudayomi-");
  // Made under `parent` instead.
  PrivateTempDir(const std::filesystem::path& parent, std::string_view prefix);
  ~PrivateTempDir();

  PrivateTempDir(const PrivateTempDir&) = delete;
  PrivateTempDir& operator=(const PrivateTempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  bool isValid() const { return !path_.empty(); }

 private:
  std::filesystem::path path_;
};

}  // namespace fuda
