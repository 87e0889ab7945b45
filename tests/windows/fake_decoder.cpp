// A decoder for the shell adapter's test: copies its first argument's file
// to its second, or, given one argument "hang", writes "running" in its
// working folder and waits until it is ended.
#include <windows.h>

#include <filesystem>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring(argv[1]) == L"hang") {
    CloseHandle(CreateFileW(L"running", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    Sleep(INFINITE);
    return 0;
  }
  if (argc != 3) return 2;
  std::error_code error;
  std::filesystem::copy_file(argv[1], argv[2], error);
  return error ? 1 : 0;
}
