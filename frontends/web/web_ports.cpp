#include "frontends/web/web_ports.h"

#include <system_error>

#include "frontends/web/fetched_voice.h"

namespace fuda {

WebPorts::WebPorts(std::uint32_t sampleRate) : tempDir_("/tmp/fudayomi"), sound_(sampleRate) {
  std::error_code ignored;
  std::filesystem::create_directories(tempDir_, ignored);
}

OggFileDecoder WebPorts::oggDecoder() const { return &loadFetchedOggClip; }

}  // namespace fuda
