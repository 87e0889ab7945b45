#include "frontends/win32/windows_ports.h"

namespace fuda {

WindowsPorts::WindowsPorts(std::string_view tempPrefix) : tempDir_(tempPrefix), sound_(clock_) {}

WindowsPorts::~WindowsPorts() { shutdown(); }

}  // namespace fuda
