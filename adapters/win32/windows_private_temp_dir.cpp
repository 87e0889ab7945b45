#include <windows.h>
#include <sddl.h>

#include <random>
#include <string>

#include "adapters/private_temp_dir.h"

namespace fuda {

std::filesystem::path systemTempDir() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) return std::filesystem::current_path();
  return std::filesystem::path(std::wstring(buffer, length));
}

// Full control for the folder's owner and for nobody else, inherited by
// every file made in it: no other user can plant or read a decoded clip.
std::filesystem::path makePrivateDir(const std::filesystem::path& parent,
                                     std::string_view prefix) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;OICI;FA;;;OW)",
                                                            SDDL_REVISION_1, &descriptor,
                                                            nullptr)) {
    return {};
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  std::random_device device;
  std::filesystem::path made;
  // CreateDirectoryW fails on a name that is taken, so a folder it makes is
  // ours alone; a few tries get past a name someone chose in advance.
  for (int attempt = 0; attempt < 16 && made.empty(); ++attempt) {
    auto candidate = parent / (std::string(prefix) + std::to_string(device() % 1000000));
    if (CreateDirectoryW(candidate.c_str(), &attributes)) made = std::move(candidate);
    else if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  LocalFree(descriptor);
  return made;
}

}  // namespace fuda
