#pragma once
// Shells for decoder tests: one that runs the script with the real /bin/sh
// before returning (so a virtual-time poll finds it done), one that never
// runs anything, and one that cannot start. Scripts are written as the POSIX
// adapter writes them.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "adapters/posix/posix_script.h"
#include "core/clips/clip_decoder.h"
#include "core/ports/shell.h"

namespace fuda::testing {

class RecordingShell : public PosixScriptShell {
 public:
  enum class Behaviour { RunAtOnce, NeverRun, FailToStart };
  explicit RecordingShell(Behaviour behaviour = Behaviour::RunAtOnce) : behaviour_(behaviour) {}

  ShellStart startScript(const std::filesystem::path& script,
                         const std::filesystem::path& workingDir) override {
    std::ifstream in(script, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    scripts.push_back(text.str());
    workingDirs.push_back(workingDir);
    markerPresentAtStart.push_back(
        std::filesystem::exists(script.parent_path() / std::string(kDecodeMarkerName)));
    if (behaviour_ == Behaviour::FailToStart) return ShellStart::Failed;
    if (behaviour_ == Behaviour::RunAtOnce) {
      const std::string command = "cd " + shellQuote(workingDir.string()) +
                                  " && /bin/sh " + shellQuote(script.string()) +
                                  " >/dev/null 2>&1";
      (void)std::system(command.c_str());
    }
    return ShellStart::Started;
  }
  void stopScripts() override { ++stops; }

  std::vector<std::string> scripts;
  std::vector<std::filesystem::path> workingDirs;
  std::vector<bool> markerPresentAtStart;
  int stops = 0;

 private:
  Behaviour behaviour_;
};

}  // namespace fuda::testing
