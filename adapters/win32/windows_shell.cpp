#include "adapters/win32/windows_shell.h"

#include <string>

namespace fuda {

namespace {

// cmd.exe from the system folder, never one planted in the working folder
// or earlier in PATH.
std::wstring commandInterpreter() {
  wchar_t folder[MAX_PATH + 1];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return L"cmd.exe";
  return std::wstring(folder, length) + L"\\cmd.exe";
}

}  // namespace

WindowsShell::WindowsShell() : job_(CreateJobObjectW(nullptr, nullptr)) {
  if (job_ == nullptr) return;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
}

WindowsShell::~WindowsShell() {
  stopScripts();
  if (job_ != nullptr) CloseHandle(job_);
}

ShellStart WindowsShell::startScript(const std::filesystem::path& script,
                                     const std::filesystem::path& workingDir) {
  if (job_ == nullptr) return ShellStart::Failed;
  const std::wstring interpreter = commandInterpreter();
  // /d skips AutoRun commands; /c takes the rest of the line, whose outer
  // quotes it strips, so the quoted script path survives blanks.
  std::wstring commandLine = L"\"" + interpreter + L"\" /d /c \"\"" + script.wstring() + L"\"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::lock_guard lock(mutex_);
  // Suspended until it is in the job, so nothing it starts escapes a stop.
  if (!CreateProcessW(interpreter.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr, workingDir.c_str(), &startup,
                      &process)) {
    return ShellStart::Failed;
  }
  if (!AssignProcessToJobObject(job_, process.hProcess)) {
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ShellStart::Failed;
  }
  ResumeThread(process.hThread);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ShellStart::Started;
}

void WindowsShell::stopScripts() {
  std::lock_guard lock(mutex_);
  if (job_ != nullptr) TerminateJobObject(job_, 1);
}

}  // namespace fuda
