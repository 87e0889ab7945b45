#include "common/ui/program_ports.h"

namespace fuda {

ProgramPorts::ProgramPorts(Language language, std::string_view tempPrefix)
    : tempDir(tempPrefix), sound(clock, messages, language) {}

ProgramPorts::~ProgramPorts() { shutdown(); }

void ProgramPorts::shutdown() {
  // Message boxes first: a worker waiting on one must be let go before it
  // can be joined.
  messages.shutdown();
  clock.shutdown();
  sound.shutdown();
  shell.stopScripts();
  threads.joinAll();
}

}  // namespace fuda
