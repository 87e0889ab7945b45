#include "common/ui/linux_ports.h"

namespace fuda {

LinuxPorts::LinuxPorts(Language language, std::string_view tempPrefix)
    : tempDir_(tempPrefix), sound_(clock_, messages_, language) {}

LinuxPorts::~LinuxPorts() { shutdown(); }

void LinuxPorts::shutdown() {
  // Message boxes first: a worker waiting on one must be let go before it
  // can be joined.
  messages_.shutdown();
  clock_.shutdown();
  sound_.shutdown();
  shell_.stopScripts();
  threads_.joinAll();
}

}  // namespace fuda
