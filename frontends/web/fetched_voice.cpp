#include "frontends/web/fetched_voice.h"

#include <emscripten.h>

#include <cstdlib>
#include <fstream>
#include <system_error>
#include <vector>

#include "adapters/stb/ogg_vorbis_clip.h"

namespace fuda {

namespace {

std::filesystem::path voiceFolder;
std::string voiceUrl;

// Runs on the calling thread, a worker, where a synchronous request is
// allowed: the reading thread waits for its clip as it would for a disk.
// Returns the byte count (the bytes in *data, malloc'd), or -1.
EM_JS(int, fetchWhole, (const char* url, unsigned char** data), {
  try {
    const request = new XMLHttpRequest();
    request.open('GET', UTF8ToString(url), false);
    request.responseType = 'arraybuffer';
    request.timeout = 20000;
    request.send();
    if (request.status !== 200) return -1;
    const bytes = new Uint8Array(request.response);
    const at = _malloc(Math.max(bytes.length, 1));
    HEAPU8.set(bytes, at);
    HEAPU32[data >> 2] = at;
    return bytes.length;
  } catch (e) {
    return -1;
  }
});

}  // namespace

void setFetchedVoice(std::filesystem::path folder, std::string baseUrl) {
  voiceFolder = folder.lexically_normal();
  voiceUrl = std::move(baseUrl);
}

WavParse loadFetchedOggClip(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error).lexically_normal();
  const std::filesystem::path relative = whole.lexically_relative(voiceFolder);
  const bool standIn = !voiceFolder.empty() && !relative.empty() &&
                       *relative.begin() != ".." && std::filesystem::file_size(whole, error) == 0;
  if (!standIn) return loadOggVorbisFile(path);

  unsigned char* data = nullptr;
  const int size = fetchWhole((voiceUrl + relative.generic_string()).c_str(), &data);
  if (size < 0) return {std::nullopt, WavProblem::Unreadable};
  std::vector<std::uint8_t> bytes(data, data + size);
  std::free(data);
  // Kept in the voice's folder, so a clip read again is not fetched again.
  std::ofstream(whole, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return decodeOggVorbis(bytes);
}

}  // namespace fuda
