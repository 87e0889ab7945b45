#include "win32/windows_ports.h"

namespace fuda {

WindowsPorts::WindowsPorts(std::string_view tempPrefix) : tempDir_(tempPrefix), sound_(clock_) {}

WindowsPorts::~WindowsPorts() { shutdown(); }

void WindowsPorts::shutdown() {
  // Message boxes first: a worker waiting on one must be let go before it
  // can be joined.
  messages_.shutdown();
  clock_.shutdown();
  sound_.shutdown();
  shell_.stopScripts();
  threads_.joinAll();
}

}  // namespace fuda
