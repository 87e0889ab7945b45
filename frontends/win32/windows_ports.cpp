#include "frontends/win32/windows_ports.h"

namespace fuda {

WindowsPorts::WindowsPorts(Language language, std::string_view tempPrefix)
    : tempDir_(tempPrefix), sound_(clock_, messages_, language) {}

WindowsPorts::~WindowsPorts() { shutdown(); }

}  // namespace fuda
