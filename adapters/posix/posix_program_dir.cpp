#include "adapters/program_dir.h"

namespace fuda {

std::filesystem::path programDir() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace fuda
