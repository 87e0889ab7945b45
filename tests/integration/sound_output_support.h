#pragma once
// Shared by the SDL output tests: the disk driver set up per test, clips
// made in memory, and waiting on the output clock.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "tests/support/poll_until.h"
#include "adapters/sdl/sdl_sound_out.h"
#include "adapters/std/system_clock.h"
#include "tests/fakes/collected_messages.h"
#include "tests/fakes/temp_folder.h"
#include "core/clips/wav_clip.h"
#include "tests/support/audio_tools.h"

namespace fuda::testing {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// SDL's disk driver writing everything output to a file of the test's own.
class DiskDriverTest : public ::testing::Test {
 protected:
  std::filesystem::path streamFile() const { return dir.path() / "output.raw"; }
  std::vector<std::int16_t> stream() const { return streamSamples16(streamFile()); }

  TempFolder dir;
  ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
  ScopedEnv file{"SDL_DISKAUDIOFILE", (dir.path() / "output.raw").string()};
  SystemClock clock;
  CollectedMessages messages;
};

// A sine at half level in any layout the WAV reader accepts.
inline ClipRef sineClip(const std::string& name, double seconds, std::uint16_t tag,
                        std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                        double hz = 440) {
  const auto frames = static_cast<std::size_t>(seconds * rate);
  std::vector<std::uint8_t> data;
  for (std::size_t i = 0; i < frames; ++i) {
    const double s = 0.5 * std::sin(2.0 * 3.14159265358979 * hz * static_cast<double>(i) / rate);
    for (std::uint16_t c = 0; c < channels; ++c) {
      if (tag == 3) {
        const float f = static_cast<float>(s);
        std::uint8_t b[4];
        std::memcpy(b, &f, 4);
        data.insert(data.end(), b, b + 4);
        continue;
      }
      const auto full = static_cast<std::int64_t>(std::lround(s * ((1ll << (bits - 1)) - 1)));
      if (bits == 8) {
        data.push_back(static_cast<std::uint8_t>(full + 128));
        continue;
      }
      for (int k = 0; k < bits / 8; ++k) data.push_back(static_cast<std::uint8_t>(full >> (8 * k)));
    }
  }
  auto parsed = parseWavClip(WavBuilder().format(tag, channels, rate, bits).data(data).bytes());
  if (!parsed.clip) return nullptr;
  parsed.clip->name = name;
  return std::make_shared<const SoundClip>(std::move(*parsed.clip));
}

// A clip in the device's own format (44.1 kHz 16-bit stereo), so it passes
// unchanged and can be found sample for sample in the output.
inline ClipRef deviceClip(const std::string& name, double seconds, double hz) {
  return sineClip(name, seconds, 1, 2, 44100, 16, hz);
}

inline void waitForFrame(const SdlSoundOut& out, std::uint64_t frame) {
  pollUntil([&] { return out.framesOutput() >= frame; });
}

}  // namespace fuda::testing
