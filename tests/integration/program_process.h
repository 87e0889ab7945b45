#pragma once
// The real reader program as a child process, for tests that end it from
// outside: started in a working folder of the test's own with a private
// TMPDIR, SDL's disk driver writing its sound to a file (so the test can
// tell when a verse sounds), and, when an X server is given, clickable
// through xdotool.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/poll_until.h"
#include "adapters/posix/posix_script.h"
#include "core/clips/clip_decoder.h"

extern char** environ;

namespace fuda::testing {

using Millis = std::chrono::duration<double, std::milli>;

inline Millis since(std::chrono::steady_clock::time_point start) {
  return std::chrono::steady_clock::now() - start;
}

inline bool waitFor(const std::function<bool()>& done, Millis limit) {
  return pollUntil(done, limit);
}

// Starts `argv` with `env` added to ours, in `workingDir`, its output in
// `log`, every signal at its default (a test runner may ignore SIGINT).
inline pid_t spawnProcess(const std::vector<std::string>& argv,
                          const std::vector<std::string>& env,
                          const std::filesystem::path& workingDir,
                          const std::filesystem::path& log) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text(*entry);
    const auto name = text.substr(0, text.find('=') + 1);
    bool replaced = false;
    for (const auto& mine : env) replaced = replaced || mine.rfind(name, 0) == 0;
    if (!replaced) environment.push_back(text);
  }
  environment.insert(environment.end(), env.begin(), env.end());
  std::vector<char*> envp;
  for (auto& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::vector<std::string> args = argv;
  std::vector<char*> argp;
  for (auto& arg : args) argp.push_back(arg.data());
  argp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t all;
  sigset_t none;
  sigfillset(&all);
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argp[0], &actions, &attributes, argp.data(), envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  return pid;
}

// How a child ended, and when.
struct Ending {
  bool ended = false;
  bool exitedNormally = false;
  int exitCode = -1;
  int signal = 0;
};

inline Ending waitForExit(pid_t pid, Millis limit) {
  Ending ending;
  waitFor(
      [&] {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) != pid) return false;
        ending.ended = true;
        ending.exitedNormally = WIFEXITED(status);
        ending.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ending.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        return true;
      },
      limit);
  return ending;
}

inline std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An X server of the test's own (Xvfb), on a display it picks itself.
class VirtualDisplay {
 public:
  explicit VirtualDisplay(const std::filesystem::path& folder) {
    if (std::system("command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1") != 0)
      return;
    const auto numberFile = folder / "display";
    // -displayfd writes the display number it found free once it is ready.
    pid_ = spawnProcess({"/bin/sh", "-c",
                         "exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>" +
                             shellQuote(numberFile.string())},
                        {}, folder, folder / "xvfb.log");
    if (pid_ <= 0) return;
    waitFor([&] { return fileText(numberFile).find('\n') != std::string::npos; }, Millis(10000));
    const std::string number = fileText(numberFile);
    if (!number.empty() && number.find('\n') != std::string::npos)
      name_ = ":" + number.substr(0, number.find('\n'));
  }
  ~VirtualDisplay() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      if (!waitForExit(pid_, Millis(5000)).ended) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
      }
    }
  }
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  bool available() const { return !name_.empty(); }
  const std::string& name() const { return name_; }

  // Runs xdotool on this display; its first line of output.
  std::optional<std::string> xdotool(const std::string& arguments) const {
    const std::string command = "DISPLAY=" + name_ + " timeout 20 xdotool " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    char line[256] = {};
    const bool got = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = pclose(pipe);
    if (status != 0) return std::nullopt;
    std::string text = got ? line : "";
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }

 private:
  pid_t pid_ = -1;
  std::string name_;
};

}  // namespace fuda::testing
