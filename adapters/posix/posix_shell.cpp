#include "adapters/posix/posix_shell.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>

extern char** environ;

namespace fuda {

namespace {

// Spawn options that give the script a clean start: its own process group
// (so it can be ended with everything it started), default signal handling,
// /dev/null for its standard streams and none of our other descriptors.
class SpawnSetup {
 public:
  explicit SpawnSetup(const std::filesystem::path& workingDir) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawnattr_init(&attributes_);
    ok_ = posix_spawn_file_actions_addchdir_np(&actions_, workingDir.c_str()) == 0 &&
          posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0) == 0 &&
          posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0) == 0 &&
          posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0) == 0 &&
          posix_spawn_file_actions_addclosefrom_np(&actions_, 3) == 0;
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    ok_ = ok_ &&
          posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                                     POSIX_SPAWN_SETSIGDEF) == 0 &&
          posix_spawnattr_setpgroup(&attributes_, 0) == 0 &&
          posix_spawnattr_setsigmask(&attributes_, &none) == 0 &&
          posix_spawnattr_setsigdefault(&attributes_, &all) == 0;
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  bool ok() const { return ok_; }
  const posix_spawn_file_actions_t* actions() const { return &actions_; }
  const posix_spawnattr_t* attributes() const { return &attributes_; }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
  bool ok_ = false;
};

}  // namespace

PosixShell::~PosixShell() {
  stopScripts();
  std::list<Child> children;
  {
    std::lock_guard lock(mutex_);
    children.swap(children_);
  }
  for (auto& child : children) {
    if (child.waiter.joinable()) child.waiter.join();
  }
}

ShellStart PosixShell::startScript(const std::filesystem::path& script,
                                   const std::filesystem::path& workingDir) {
  joinReaped();
  SpawnSetup setup(workingDir);
  if (!setup.ok()) return ShellStart::Failed;
  std::string shell = "/bin/sh";
  std::string scriptPath = script.string();
  char* argv[] = {shell.data(), scriptPath.data(), nullptr};
  std::lock_guard lock(mutex_);
  pid_t pid = 0;
  if (posix_spawn(&pid, shell.c_str(), setup.actions(), setup.attributes(), argv, environ) != 0)
    return ShellStart::Failed;
  Child& child = children_.emplace_back();
  child.pid = pid;
  child.waiter = std::thread([this, &child] { awaitExit(child); });
  return ShellStart::Started;
}

void PosixShell::awaitExit(Child& child) {
  // Wait without reaping first: while the child is unreaped its pid, and so
  // its process group id, cannot be reused, and stopScripts may signal it.
  siginfo_t info{};
  while (waitid(P_PID, static_cast<id_t>(child.pid), &info, WEXITED | WNOWAIT) != 0 &&
         errno == EINTR) {
  }
  std::lock_guard lock(mutex_);
  waitpid(child.pid, nullptr, 0);
  child.reaped = true;
}

void PosixShell::stopScripts() {
  std::lock_guard lock(mutex_);
  for (const auto& child : children_) {
    if (!child.reaped) kill(-child.pid, SIGKILL);
  }
}

void PosixShell::joinReaped() {
  std::list<Child> finished;
  {
    std::lock_guard lock(mutex_);
    for (auto it = children_.begin(); it != children_.end();) {
      auto next = std::next(it);
      if (it->reaped) finished.splice(finished.end(), children_, it);
      it = next;
    }
  }
  for (auto& child : finished) {
    if (child.waiter.joinable()) child.waiter.join();
  }
}

}  // namespace fuda
