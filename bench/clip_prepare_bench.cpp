// How long preparing one 5 s clip takes: reading a WAV voice's file, or
// decoding an MP3 or Ogg voice's file with the real decoders and reading the
// result. Prints min/median/max over 20 runs per format.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "adapters/posix/posix_shell.h"
#include "adapters/std/system_clock.h"
#include "core/clips/clip_decoder.h"
#include "adapters/private_temp_dir.h"
#include "core/clips/voice_clip_source.h"
#include "tests/fakes/collected_messages.h"

namespace {

using namespace fuda;

constexpr int kRuns = 20;

bool run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

int main() {
  PrivateTempDir work;
  PrivateTempDir temp;
  if (!work.isValid() || !temp.isValid()) {
    std::puts("cannot make a temporary directory");
    return 1;
  }
  const auto dir = work.path();
  const std::string wav = shellQuote((dir / "I-001A.WAV").string());
  if (!run("sox -n -r 44100 -c 2 -b 16 " + wav + " synth 5 sine 440 vol 0.5") ||
      !run("lame --quiet -b 128 " + wav + " " + shellQuote((dir / "I-001A.mp3").string())) ||
      !run("oggenc -Q -o " + shellQuote((dir / "I-001A.ogg").string()) + " " + wav)) {
    std::puts("sox, lame and oggenc are needed");
    return 1;
  }

  CurrentVoice voice;
  PosixShell shell;
  SystemClock clock;
  testing::CollectedMessages messages(testing::CollectedMessages::Echo::ToStandardOutput);
  VoiceClipSource source(voice, {temp.path(), dir}, shell, clock, messages, Language::English);

  std::printf("prepare a 5 s clip (44.1 kHz 16-bit stereo), %d runs, ms\n", kRuns);
  std::printf("%-5s %8s %8s %8s\n", "", "min", "median", "max");
  const std::pair<const char*, ClipFormat> formats[] = {
      {"WAV", ClipFormat::Wav}, {"MP3", ClipFormat::Mp3}, {"Ogg", ClipFormat::Ogg}};
  for (const auto& [label, format] : formats) {
    voice.set({dir, dir / "Mesg", format});
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
      const auto started = std::chrono::steady_clock::now();
      const ClipRef clip = source.load(ClipFolder::Verses, "I-001A");
      times.push_back(std::chrono::duration<double, std::milli>(
                          std::chrono::steady_clock::now() - started)
                          .count());
      if (!clip) return 1;
    }
    std::sort(times.begin(), times.end());
    const double median = (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2.0;
    std::printf("%-5s %8.2f %8.2f %8.2f\n", label, times.front(), median, times.back());
  }
  return messages.count() == 0 ? 0 : 1;
}
