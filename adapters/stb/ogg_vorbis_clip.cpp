#include "adapters/stb/ogg_vorbis_clip.h"

#include <climits>
#include <cstdlib>
#include <memory>

// The decoder is one header holding its whole implementation; this is its
// one translation unit. It reads from memory only.
#define STB_VORBIS_NO_STDIO
#define STB_VORBIS_NO_PUSHDATA_API
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wunused-value"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include FUDA_STB_VORBIS
#pragma GCC diagnostic pop

namespace fuda {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xff));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xffff);
  put16(out, value >> 16);
}

}  // namespace

WavParse decodeOggVorbis(const std::vector<std::uint8_t>& bytes) {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
    return {std::nullopt, WavProblem::NotPcm};
  int channels = 0;
  int rate = 0;
  short* decoded = nullptr;
  const int frames = stb_vorbis_decode_memory(bytes.data(), static_cast<int>(bytes.size()),
                                              &channels, &rate, &decoded);
  const std::unique_ptr<short, decltype(&std::free)> owner(decoded, &std::free);
  if (frames < 0 || decoded == nullptr || channels <= 0 || channels > 255 || rate <= 0)
    return {std::nullopt, WavProblem::NotPcm};

  const auto dataBytes = static_cast<std::uint64_t>(frames) * static_cast<std::uint32_t>(channels) * 2;
  if (dataBytes > UINT32_MAX - 36) return {std::nullopt, WavProblem::NotPcm};
  const auto blockAlign = static_cast<std::uint32_t>(channels) * 2;
  std::vector<std::uint8_t> wav;
  wav.reserve(44 + dataBytes);
  wav.insert(wav.end(), {'R', 'I', 'F', 'F'});
  put32(wav, static_cast<std::uint32_t>(36 + dataBytes));
  wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put32(wav, 16);
  put16(wav, 1);
  put16(wav, static_cast<std::uint32_t>(channels));
  put32(wav, static_cast<std::uint32_t>(rate));
  put32(wav, static_cast<std::uint32_t>(rate) * blockAlign);
  put16(wav, blockAlign);
  put16(wav, 16);
  wav.insert(wav.end(), {'d', 'a', 't', 'a'});
  put32(wav, static_cast<std::uint32_t>(dataBytes));
  // Samples are little-endian in a WAV file, whatever the machine.
  for (std::uint64_t i = 0; i < dataBytes / 2; ++i) put16(wav, static_cast<std::uint16_t>(decoded[i]));
  return parseWavClip(std::move(wav));
}

WavParse loadOggVorbisFile(const std::filesystem::path& path) {
  return loadClipFile(path, [](std::vector<std::uint8_t> bytes) { return decodeOggVorbis(bytes); });
}

}  // namespace fuda
