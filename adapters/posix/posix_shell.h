#pragma once
// The shell adapter: scripts run with /bin/sh in a process group of their
// own, with no terminal input or output, and are reaped when they end so no
// zombies remain.
#include <sys/types.h>

#include <list>
#include <memory>
#include <mutex>
#include <thread>

#include "adapters/posix/posix_script.h"
#include "core/ports/shell.h"

namespace fuda {

class PosixShell : public PosixScriptShell {
 public:
  PosixShell() = default;
  // Ends the scripts still running and waits until they are reaped.
  ~PosixShell() override;
  PosixShell(const PosixShell&) = delete;
  PosixShell& operator=(const PosixShell&) = delete;

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
