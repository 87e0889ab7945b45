// Prints the stretches heard in a raw stream of 16-bit stereo samples at
// 44.1 kHz, as Wine's sound writes it: a line each, with where it starts and
// ends in milliseconds and its peak.
//   heard_stretches FILE LEVEL
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/heard_stretches.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) return 1;
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  constexpr std::size_t kRate = 44100;
  for (const auto& heard : fuda::testing::heardStretches(samples, std::stoi(argv[2]), kRate)) {
    std::printf("%.1f %.1f %d\n", heard.first * 1000.0 / kRate, heard.end * 1000.0 / kRate,
                heard.peak);
  }
  return 0;
}
