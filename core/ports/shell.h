#pragma once
// Port: the command interpreter, used for the decoder handshake. The core
// says what a script does; the adapter writes it in its own language and
// runs it.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuda {

enum class ShellStart { Started, Failed };

// One decoder run: change to `workingDir`, run `program` with `arguments`,
// then delete `marker` whatever the program did.
struct ScriptSteps {
  std::filesystem::path workingDir;
  std::string program;  // a path, or a bare name for the interpreter to find
  std::vector<std::string> arguments;
  std::filesystem::path marker;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Any thread. The file name a script is written under.
  virtual std::string scriptName() const = 0;
  // Any thread. The script for `steps`, every word quoted so that no path can
  // be read as anything but itself.
  virtual std::string scriptText(const ScriptSteps& steps) const = 0;
  // Any thread. The program file `name` in `dir` when it is there and may be
  // run; nullopt otherwise.
  virtual std::optional<std::filesystem::path> ownProgram(const std::filesystem::path& dir,
                                                          std::string_view name) const = 0;
  // Any thread. Starts `script` in `workingDir` and returns at once, without
  // waiting for it.
  virtual ShellStart startScript(const std::filesystem::path& script,
                                 const std::filesystem::path& workingDir) = 0;
  // Any thread. Ends every script started here that still runs, with the
  // programs it started: a decoder that never finishes is cut off this way.
  virtual void stopScripts() {}
};

}  // namespace fuda
