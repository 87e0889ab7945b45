#pragma once
// WAV files made byte by byte, for tests that need exact headers, odd chunks
// or known samples.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fuda::testing {

class WavBuilder {
 public:
  WavBuilder& chunk(const std::string& id, const std::vector<std::uint8_t>& body) {
    append(id);
    put32(static_cast<std::uint32_t>(body.size()));
    chunks_.insert(chunks_.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) chunks_.push_back(0);  // RIFF pads to even length
    return *this;
  }
  WavBuilder& format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                     std::uint16_t bits) {
    std::vector<std::uint8_t> body;
    auto add16 = [&](std::uint16_t v) { body.push_back(v & 0xFF); body.push_back(v >> 8); };
    auto add32 = [&](std::uint32_t v) {
      for (int i = 0; i < 4; ++i) body.push_back((v >> (8 * i)) & 0xFF);
    };
    const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
    add16(tag);
    add16(channels);
    add32(rate);
    add32(rate * align);
    add16(align);
    add16(bits);
    return chunk("fmt ", body);
  }
  // A data chunk whose size field says `declared` bytes, holding `body`.
  WavBuilder& dataDeclared(std::uint32_t declared, const std::vector<std::uint8_t>& body) {
    append("data");
    put32(declared);
    chunks_.insert(chunks_.end(), body.begin(), body.end());
    return *this;
  }
  WavBuilder& data(const std::vector<std::uint8_t>& body) { return chunk("data", body); }

  std::vector<std::uint8_t> bytes() const {
    std::vector<std::uint8_t> out = {'R', 'I', 'F', 'F'};
    const auto size = static_cast<std::uint32_t>(chunks_.size() + 4);
    for (int i = 0; i < 4; ++i) out.push_back((size >> (8 * i)) & 0xFF);
    out.insert(out.end(), {'W', 'A', 'V', 'E'});
    out.insert(out.end(), chunks_.begin(), chunks_.end());
    return out;
  }

 private:
  void append(const std::string& id) { chunks_.insert(chunks_.end(), id.begin(), id.end()); }
  void put32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) chunks_.push_back((v >> (8 * i)) & 0xFF);
  }
  std::vector<std::uint8_t> chunks_;
};

// 16-bit samples of a sine, the same on every channel; never all zero, so a
// clip can be found again in an output stream.
inline std::vector<std::uint8_t> sine16(std::size_t frames, std::uint16_t channels,
                                        std::uint32_t rate, double hz, double level = 0.5) {
  std::vector<std::uint8_t> out;
  out.reserve(frames * channels * 2);
  for (std::size_t i = 0; i < frames; ++i) {
    const double phase = 2.0 * 3.14159265358979 * hz * static_cast<double>(i) / rate;
    auto v = static_cast<std::int16_t>(std::lround(std::sin(phase) * level * 32767.0));
    if (v == 0) v = 1;
    for (std::uint16_t c = 0; c < channels; ++c) {
      out.push_back(static_cast<std::uint8_t>(v & 0xFF));
      out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
  }
  return out;
}

// 16-bit samples as bytes, little-endian; each frame repeats its value on
// every channel.
inline std::vector<std::uint8_t> bytes16(const std::vector<std::int16_t>& frames,
                                         std::uint16_t channels = 1) {
  std::vector<std::uint8_t> out;
  out.reserve(frames.size() * channels * 2);
  for (std::int16_t v : frames) {
    for (std::uint16_t c = 0; c < channels; ++c) {
      out.push_back(static_cast<std::uint8_t>(v & 0xFF));
      out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
  }
  return out;
}

// A square wave at `level` that changes sign every 20 frames: never near
// zero, so every frame of it is sound.
inline std::vector<std::int16_t> square(std::size_t frames, std::int16_t level) {
  std::vector<std::int16_t> out(frames);
  for (std::size_t i = 0; i < frames; ++i)
    out[i] = static_cast<std::int16_t>((i / 20) % 2 == 0 ? level : -level);
  return out;
}

inline std::vector<std::uint8_t> wav16(std::uint16_t channels, std::uint32_t rate,
                                       const std::vector<std::uint8_t>& samples) {
  return WavBuilder().format(1, channels, rate, 16).data(samples).bytes();
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void writeText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// 16-bit samples, little-endian, as the disk driver and Wine's sound write them.
inline std::vector<std::int16_t> samples16(const std::uint8_t* bytes, std::size_t count) {
  std::vector<std::int16_t> out(count / 2);
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  return out;
}

inline std::vector<std::int16_t> streamSamples16(const std::filesystem::path& file) {
  const auto bytes = readBytes(file);
  return samples16(bytes.data(), bytes.size());
}

}  // namespace fuda::testing
