#pragma once
// The shell adapter: batch files run by cmd.exe with no window, every one in
// a job object, so stopping ends each script together with the decoder it
// started, and closing the job at exit ends whatever is left.
#include <windows.h>

#include <mutex>

#include "core/ports/shell.h"
#include "adapters/win32/windows_script.h"

namespace fuda {

class WindowsShell : public Shell {
 public:
  WindowsShell();
  // Ends the scripts still running.
  ~WindowsShell() override;
  WindowsShell(const WindowsShell&) = delete;
  WindowsShell& operator=(const WindowsShell&) = delete;

  std::string scriptName() const override { return std::string(kWindowsScriptName); }
  std::string scriptText(const ScriptSteps& steps) const override {
    return windowsScriptText(steps);
  }
  std::optional<std::filesystem::path> ownProgram(const std::filesystem::path& dir,
                                                  std::string_view name) const override {
    return windowsOwnProgram(dir, name);
  }
  ShellStart startScript(const std::filesystem::path& script,
                         const std::filesystem::path& workingDir) override;
  void stopScripts() override;

 private:
  // Orders a start against a stop, so no script slips past a stop half-made.
  std::mutex mutex_;
  HANDLE job_ = nullptr;
};

}  // namespace fuda
