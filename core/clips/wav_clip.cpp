#include "core/clips/wav_clip.h"

#include <cstring>
#include <fstream>
#include <new>

namespace fuda {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kPlainFormatBytes = 16;
constexpr std::size_t kExtensibleFormatBytes = 40;
// Refuse files beyond what a 32-bit RIFF size can describe, before reading.
constexpr std::uintmax_t kLargestFile = 0xFFFFFFFFull + kChunkHeaderBytes;

std::uint16_t u16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t u32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool isId(const std::uint8_t* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

WavParse failure(WavProblem problem) { return {std::nullopt, problem}; }

// The sample layouts the sound output can convert.
bool isPlayable(const PcmFormat& format) {
  if (format.formatTag == kFormatFloat) return format.bitsPerSample == 32;
  const auto bits = format.bitsPerSample;
  return bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

WavParse parseWavClip(std::vector<std::uint8_t> bytes) {
  if (bytes.size() < kRiffHeaderBytes) return failure(WavProblem::TooShort);
  if (!isId(bytes.data(), "RIFF") || !isId(bytes.data() + 8, "WAVE"))
    return failure(WavProblem::NotRiffWave);

  std::optional<PcmFormat> format;
  std::optional<std::size_t> dataOffset;
  std::size_t dataSize = 0;
  std::size_t at = kRiffHeaderBytes;
  while (bytes.size() - at >= kChunkHeaderBytes) {
    const std::uint8_t* chunk = bytes.data() + at;
    const std::size_t declared = u32(chunk + 4);
    const std::size_t bodyAt = at + kChunkHeaderBytes;
    const std::size_t available = bytes.size() - bodyAt;
    // Writers that stream to a pipe leave the size too large; what is in the
    // file is what there is.
    const std::size_t size = declared < available ? declared : available;
    if (isId(chunk, "fmt ") && !format) {
      if (size < kPlainFormatBytes) return failure(WavProblem::NoFormat);
      const std::uint8_t* body = chunk + kChunkHeaderBytes;
      PcmFormat f;
      f.formatTag = u16(body);
      f.channels = u16(body + 2);
      f.sampleRate = u32(body + 4);
      f.bitsPerSample = u16(body + 14);
      if (f.formatTag == kFormatExtensible) {
        // The sub-format GUID starts with the plain format code.
        if (size < kExtensibleFormatBytes) return failure(WavProblem::NoFormat);
        f.formatTag = u16(body + 24);
      }
      format = f;
    } else if (isId(chunk, "data") && !dataOffset) {
      dataOffset = bodyAt;
      dataSize = size;
      if (format) break;  // the data chunk may run to the end of the file
    }
    // Chunks are padded to an even length.
    const std::size_t next = size + (size & 1u);
    if (next >= available) break;
    at = bodyAt + next;
  }

  if (!format) return failure(WavProblem::NoFormat);
  if (format->channels == 0 || format->sampleRate == 0 || format->bitsPerSample == 0)
    return failure(WavProblem::ZeroField);
  if (format->formatTag != kFormatPcm && format->formatTag != kFormatFloat)
    return failure(WavProblem::NotPcm);
  if (!isPlayable(*format)) return failure(WavProblem::NotPcm);
  if (!dataOffset) return failure(WavProblem::NoData);

  SoundClip clip;
  clip.format = *format;
  clip.dataOffset = *dataOffset;
  clip.dataSize = dataSize;
  // The game times its waits with this; the order of operations is that of
  // the header arithmetic everyone uses, so fractions come out the same.
  clip.playingMs = static_cast<double>(dataSize) * 1000.0 * 8.0 / format->sampleRate /
                   format->channels / format->bitsPerSample;
  clip.bytes = std::move(bytes);
  return {std::move(clip), WavProblem::None};
}

WavParse loadWavFile(const std::filesystem::path& path) {
  return loadClipFile(path, [](std::vector<std::uint8_t> bytes) {
    return parseWavClip(std::move(bytes));
  });
}

WavParse loadClipFile(const std::filesystem::path& path,
                      const std::function<WavParse(std::vector<std::uint8_t>)>& parse) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return failure(WavProblem::Unreadable);
  const auto size = std::filesystem::file_size(path, error);
  if (error) return failure(WavProblem::Unreadable);
  if (size > kLargestFile) return failure(WavProblem::NotRiffWave);
  std::ifstream in(path, std::ios::binary);
  if (!in) return failure(WavProblem::Unreadable);
  std::vector<std::uint8_t> bytes;
  try {
    bytes.resize(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc&) {
    return failure(WavProblem::Unreadable);
  }
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
    return failure(WavProblem::Unreadable);
  return parse(std::move(bytes));
}

}  // namespace fuda
