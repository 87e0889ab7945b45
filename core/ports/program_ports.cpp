#include "core/ports/program_ports.h"

namespace fuda {

void ProgramPorts::shutdown() {
  // Message boxes first: a worker waiting on one must be let go before it
  // can be joined.
  messages().shutdown();
  clock().shutdown();
  sound().shutdown();
  shell().stopScripts();
  threads().joinAll();
}

}  // namespace fuda
