#include "common/adapters/private_temp_dir.h"

#include <stdlib.h>

#include <string>
#include <vector>

namespace fuda {

namespace {

std::filesystem::path systemTempDir() {
  std::error_code error;
  auto dir = std::filesystem::temp_directory_path(error);
  return error ? std::filesystem::path("/tmp") : dir;
}

std::filesystem::path makeDir(const std::filesystem::path& parent, std::string_view prefix) {
  // mkdtemp creates the directory with mode 0700 and a name nobody could
  // have chosen in advance.
  std::string pattern = (parent / std::string(prefix)).string() + "XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) return {};
  return std::filesystem::path(buffer.data());
}

}  // namespace

PrivateTempDir::PrivateTempDir(std::string_view prefix)
    : path_(makeDir(systemTempDir(), prefix)) {}

PrivateTempDir::PrivateTempDir(const std::filesystem::path& parent, std::string_view prefix)
    : path_(makeDir(parent, prefix)) {}

PrivateTempDir::~PrivateTempDir() {
  if (path_.empty()) return;
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

}  // namespace fuda
