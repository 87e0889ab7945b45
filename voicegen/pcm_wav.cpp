#include "voicegen/pcm_wav.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace fuda {

namespace {

std::uint32_t le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) |
         (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putTag(std::vector<std::uint8_t>& out, std::string_view tag) {
  out.insert(out.end(), tag.begin(), tag.end());
}

bool tagAt(const std::vector<std::uint8_t>& bytes, std::size_t at,
           std::string_view tag) {
  return at + 4 <= bytes.size() &&
         std::memcmp(bytes.data() + at, tag.data(), 4) == 0;
}

}  // namespace

PcmReading readPcmWav(const std::vector<std::uint8_t>& bytes) {
  PcmReading reading;
  if (!tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE")) {
    reading.error = "not a RIFF/WAVE file";
    return reading;
  }
  std::uint16_t channels = 0, bits = 0, formatTag = 0;
  std::uint32_t rate = 0;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::uint32_t size = le32(bytes.data() + at + 4);
    const std::size_t body = at + 8;
    if (tagAt(bytes, at, "fmt ") && size >= 16 && body + 16 <= bytes.size()) {
      formatTag = le16(bytes.data() + body);
      channels = le16(bytes.data() + body + 2);
      rate = le32(bytes.data() + body + 4);
      bits = le16(bytes.data() + body + 14);
      haveFormat = true;
    } else if (tagAt(bytes, at, "data")) {
      if (!haveFormat) break;
      if (formatTag != 1 || bits != 16 || (channels != 1 && channels != 2) ||
          rate == 0) {
        reading.error = "not 16-bit mono or stereo integer PCM";
        return reading;
      }
      const std::size_t available = bytes.size() - body;
      const std::size_t frameBytes = 2u * channels;
      const std::size_t frames =
          std::min<std::size_t>(size, available) / frameBytes;
      MonoPcm pcm;
      pcm.sampleRate = rate;
      pcm.samples.reserve(frames);
      for (std::size_t f = 0; f < frames; ++f) {
        const std::uint8_t* p = bytes.data() + body + f * frameBytes;
        int sum = static_cast<std::int16_t>(le16(p));
        if (channels == 2) {
          sum = (sum + static_cast<std::int16_t>(le16(p + 2))) / 2;
        }
        pcm.samples.push_back(static_cast<std::int16_t>(sum));
      }
      reading.pcm = std::move(pcm);
      return reading;
    }
    at = body + size + (size & 1u);  // chunks are padded to even sizes
  }
  reading.error = "no format and data chunks";
  return reading;
}

std::vector<std::uint8_t> pcmWavBytes(const MonoPcm& pcm) {
  const auto dataSize = static_cast<std::uint32_t>(pcm.samples.size() * 2);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataSize);
  putTag(out, "RIFF");
  put32(out, 36 + dataSize);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  put32(out, 16);
  put16(out, 1);  // integer PCM
  put16(out, 1);  // mono
  put32(out, pcm.sampleRate);
  put32(out, pcm.sampleRate * 2);  // byte rate
  put16(out, 2);                   // block align
  put16(out, 16);
  putTag(out, "data");
  put32(out, dataSize);
  for (const std::int16_t sample : pcm.samples) {
    put16(out, static_cast<std::uint16_t>(sample));
  }
  return out;
}

}  // namespace fuda
