#include "voicegen/program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace fuda {

ProgramResult runProgram(const std::vector<std::string>& argv) {
  ProgramResult result;
  // The pipe is close-on-exec so that a program started at the same time by
  // another thread does not hold its write end open, which would keep this
  // read from ending.
  int errPipe[2];
  if (argv.empty() || pipe2(errPipe, O_CLOEXEC) != 0) return result;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null",
                                   O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null",
                                   O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);

  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  pid_t pid = 0;
  const int spawnError =
      posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(errPipe[1]);
  if (spawnError != 0) {
    close(errPipe[0]);
    return result;
  }

  char buffer[4096];
  for (;;) {
    const ssize_t n = read(errPipe[0], buffer, sizeof buffer);
    if (n > 0) {
      // Keep the tail: the last lines say what went wrong.
      result.errorOutput.append(buffer, static_cast<std::size_t>(n));
      if (result.errorOutput.size() > 8192) {
        result.errorOutput.erase(0, result.errorOutput.size() - 8192);
      }
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  close(errPipe[0]);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return result;
  }
  result.started = true;
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string describeFailure(const std::vector<std::string>& argv,
                            const ProgramResult& result) {
  const std::string program = argv.empty() ? std::string() : argv.front();
  if (!result.started) return program + " could not be run";
  std::string detail = result.errorOutput;
  while (!detail.empty() && (detail.back() == '\n' || detail.back() == '\r')) {
    detail.pop_back();
  }
  const auto lastLine = detail.rfind('\n');
  if (lastLine != std::string::npos) detail.erase(0, lastLine + 1);
  std::string text = program + " failed";
  if (result.exitStatus < 0) text += " (stopped by a signal)";
  if (!detail.empty()) text += ": " + detail;
  return text;
}

}  // namespace fuda
