#include "frontends/web/page_call.h"

#include <emscripten.h>

#include <cstdio>

namespace fuda {

void callPage(std::string_view method, const std::string& argsJson) {
  const std::string name(method);
  MAIN_THREAD_EM_ASM({ Module.fudaCallPage(UTF8ToString($0), UTF8ToString($1)); },
                     name.c_str(), argsJson.c_str());
}

std::string jsonText(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace fuda
