#pragma once
// Runs another program (the synthesiser, the encoders) and waits for it.
#include <string>
#include <vector>

namespace fuda {

struct ProgramResult {
  bool started = false;  // false when the program could not be run at all
  int exitStatus = -1;   // the exit code; -1 when it died of a signal
  std::string errorOutput;  // what it wrote to stderr, for messages

  bool succeeded() const { return started && exitStatus == 0; }
};

// argv[0] is looked up in PATH. No shell is involved, so texts pass as they
// are. Standard input and output are /dev/null.
ProgramResult runProgram(const std::vector<std::string>& argv);

// A one-line account of a failed run, for the user: "espeak-ng could not be
// run" or "lame failed: <its last error line>".
std::string describeFailure(const std::vector<std::string>& argv,
                            const ProgramResult& result);

}  // namespace fuda
