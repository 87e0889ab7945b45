#include "frontends/win32/help_file.h"

#include <windows.h>
#include <shellapi.h>

#include <system_error>

namespace fuda {

void openHelpFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return;
  ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace fuda
