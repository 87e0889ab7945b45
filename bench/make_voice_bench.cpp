// Makes the whole default voice (206 clips) with the best synthesiser there
// is, as ./run.sh does on first start, and prints the time it took and how
// steady the verses' rhythm came out. The voice is meant to be made in under
// a minute on two cores.
//   make_voice_bench [JOBS]
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "voicegen/pcm_wav.h"

namespace fs = std::filesystem;

namespace {

struct Spread {
  double mean = 0.0;
  double deviation = 0.0;
  double lowest = 1e9;
  double highest = 0.0;
};

Spread spreadOf(const std::vector<double>& values) {
  Spread spread;
  for (const double v : values) {
    spread.mean += v / values.size();
    spread.lowest = std::min(spread.lowest, v);
    spread.highest = std::max(spread.highest, v);
  }
  for (const double v : values) {
    spread.deviation += (v - spread.mean) * (v - spread.mean) / values.size();
  }
  spread.deviation = std::sqrt(spread.deviation);
  return spread;
}

double clipSeconds(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  const fuda::PcmReading reading = fuda::readPcmWav(bytes);
  return reading.pcm ? reading.pcm->seconds() : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = (fs::temp_directory_path() / "make_voice_bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) {
    std::perror("make_voice_bench: mkdtemp");
    return 1;
  }
  std::string command = std::string(FUDA_MAKE_VOICE_PATH) + " ";
  if (argc > 1) command += "--jobs " + std::string(argv[1]) + " ";
  command += "'" + folder + "/data'";

  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rusage children{};
  getrusage(RUSAGE_CHILDREN, &children);
  const double cpu = children.ru_utime.tv_sec + children.ru_utime.tv_usec / 1e6 +
                     children.ru_stime.tv_sec + children.ru_stime.tv_usec / 1e6;

  std::vector<double> upper;
  std::vector<double> lower;
  for (int poem = 0; poem <= 100; ++poem) {
    char name[32];
    std::snprintf(name, sizeof name, "I-%03dA.wav", poem);
    upper.push_back(clipSeconds(fs::path(folder) / "data" / name));
    std::snprintf(name, sizeof name, "I-%03dB.wav", poem);
    lower.push_back(clipSeconds(fs::path(folder) / "data" / name));
  }
  fs::remove_all(folder);
  if (status != 0) {
    std::printf("make_voice failed (status %d)\n", status);
    return 1;
  }
  std::printf("whole voice, 206 clips: %.1f s (limit 60 s); %.1f s of processor time\n",
              seconds, cpu);
  for (const auto& [label, values] : {std::pair{"upper verses", upper}, std::pair{"lower verses", lower}}) {
    const Spread s = spreadOf(values);
    std::printf("%s: mean %.3f s, standard deviation %.3f s, %.3f to %.3f s\n", label,
                s.mean, s.deviation, s.lowest, s.highest);
  }
  return 0;
}
