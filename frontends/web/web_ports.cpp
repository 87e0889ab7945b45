#include "frontends/web/web_ports.h"

#include <system_error>

#include "frontends/web/fetched_voice.h"

namespace fuda {

WebPorts::WebPorts(Language language, std::uint32_t sampleRate)
    : tempDir_("/tmp/fudayomi"), sound_(clock_, messages_, language, sampleRate) {
  std::error_code ignored;
  std::filesystem::create_directories(tempDir_, ignored);
}

OggFileDecoder WebPorts::oggDecoder() const { return &loadFetchedOggClip; }

}  // namespace fuda
