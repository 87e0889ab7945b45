#pragma once
// The shell adapter: scripts run with /bin/sh in a process group of their
// own, with no terminal input or output, and are reaped when they end so no
// zombies remain.
#include <sys/types.h>

#include <list>
#include <memory>
#include <mutex>
#include <thread>

#include "common/adapters/posix_script.h"
#include "common/shell.h"

namespace fuda {

class PosixShell : public Shell {
 public:
  PosixShell() = default;
  // Ends the scripts still running and waits until they are reaped.
  ~PosixShell() override;
  PosixShell(const PosixShell&) = delete;
  PosixShell& operator=(const PosixShell&) = delete;

  std::string scriptName() const override { return std::string(kPosixScriptName); }
  std::string scriptText(const ScriptSteps& steps) const override {
    return posixScriptText(steps);
  }
  std::optional<std::filesystem::path> ownProgram(const std::filesystem::path& dir,
                                                  std::string_view name) const override {
    return posixOwnProgram(dir, name);
  }
  ShellStart startScript(const std::filesystem::path& script,
                         const std::filesystem::path& workingDir) override;
  void stopScripts() override;

 private:
  struct Child {
    pid_t pid = 0;
    bool reaped = false;  // guarded by mutex_
    std::thread waiter;
  };
  void awaitExit(Child& child);
  void joinReaped();

  std::mutex mutex_;
  std::list<Child> children_;
};

}  // namespace fuda
