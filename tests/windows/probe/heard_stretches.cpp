// Prints the stretches heard in a raw stream of 16-bit stereo samples at
// 44.1 kHz, as Wine's sound writes it: a line each, with where it starts and
// ends in milliseconds and its peak.
//   heard_stretches FILE LEVEL
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/support/heard_stretches.h"
#include "tests/support/wav_bytes.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  if (!std::filesystem::exists(argv[1])) return 1;
  constexpr std::size_t kRate = 44100;
  const auto samples = fuda::testing::streamSamples16(argv[1]);
  for (const auto& heard : fuda::testing::heardStretches(samples, std::stoi(argv[2]), kRate)) {
    std::printf("%.1f %.1f %d\n", heard.first * 1000.0 / kRate, heard.end * 1000.0 / kRate,
                heard.peak);
  }
  return 0;
}
