#include "frontends/win32/help_file.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <system_error>

namespace fuda {

void openHelpFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return;
  const auto opened = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (opened > 32 || file.extension() != L".txt") return;
  // A system with no program for .txt (an association removed, or a bare
  // Wine prefix) still shows the read-me: Notepad comes with every Windows.
  const std::wstring quoted = L"\"" + file.wstring() + L"\"";
  ShellExecuteW(nullptr, L"open", L"notepad.exe", quoted.c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace fuda
