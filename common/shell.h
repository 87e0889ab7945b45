#pragma once
// Port: the command interpreter, used for the decoder handshake.
#include <filesystem>

namespace fuda {

enum class ShellStart { Started, Failed };

class Shell {
 public:
  virtual ~Shell() = default;
  // Any thread. Starts `script` with /bin/sh in `workingDir` and returns at
  // once, without waiting for it.
  virtual ShellStart startScript(const std::filesystem::path& script,
                                 const std::filesystem::path& workingDir) = 0;
  // Any thread. Ends every script started here that still runs, with the
  // programs it started: a decoder that never finishes is cut off this way.
  virtual void stopScripts() {}
};

}  // namespace fuda
