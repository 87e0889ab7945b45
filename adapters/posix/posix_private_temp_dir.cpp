#include "adapters/private_temp_dir.h"

#include <stdlib.h>

#include <string>
#include <vector>

namespace fuda {

std::filesystem::path systemTempDir() {
  std::error_code error;
  auto dir = std::filesystem::temp_directory_path(error);
  return error ? std::filesystem::path("/tmp") : dir;
}

std::filesystem::path makePrivateDir(const std::filesystem::path& parent,
                                     std::string_view prefix) {
  // mkdtemp creates the directory with mode 0700 and a name nobody could
  // have chosen in advance.
  std::string pattern = (parent / std::string(prefix)).string() + "XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) return {};
  return std::filesystem::path(buffer.data());
}

}  // namespace fuda
