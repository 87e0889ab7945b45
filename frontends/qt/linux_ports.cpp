#include "frontends/qt/linux_ports.h"

namespace fuda {

LinuxPorts::LinuxPorts(Language language, std::string_view tempPrefix)
    : tempDir_(tempPrefix), sound_(clock_, messages_, language) {}

LinuxPorts::~LinuxPorts() { shutdown(); }

}  // namespace fuda
