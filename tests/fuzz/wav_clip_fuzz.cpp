// The WAV reader on any bytes: a clip it accepts has its samples inside the
// file, a layout the sound output can play, and a finite playing time that
// matches its sample count. Trimming its silence gives a clip no longer than
// it, whose bytes read back as the same clip.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/fuzz/fuzz_check.h"
#include "core/clips/silence_trim.h"
#include "core/clips/wav_clip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuda::WavParse parsed = fuda::parseWavClip(std::vector<std::uint8_t>(data, data + size));
  FUZZ_CHECK(parsed.clip.has_value() == (parsed.problem == fuda::WavProblem::None));
  if (!parsed.clip) return 0;
  const fuda::SoundClip& clip = *parsed.clip;
  FUZZ_CHECK(clip.bytes.size() == size);
  FUZZ_CHECK(clip.dataOffset <= clip.bytes.size());
  FUZZ_CHECK(clip.dataSize <= clip.bytes.size() - clip.dataOffset);
  FUZZ_CHECK(clip.format.channels > 0 && clip.format.sampleRate > 0);
  FUZZ_CHECK(fuda::frameBytes(clip.format) > 0);
  FUZZ_CHECK(std::isfinite(clip.playingMs) && clip.playingMs >= 0.0);
  const double byteRate = static_cast<double>(clip.format.sampleRate) * clip.format.channels *
                          clip.format.bitsPerSample / 8.0;
  FUZZ_CHECK(std::fabs(clip.playingMs - clip.dataSize * 1000.0 / byteRate) <=
             1e-9 * (1.0 + clip.playingMs));

  const auto trimmed = fuda::trimSilence(clip);
  if (!trimmed) return 0;
  FUZZ_CHECK(trimmed->dataSize <= clip.dataSize);
  FUZZ_CHECK(trimmed->playingMs <= clip.playingMs);
  const fuda::WavParse again = fuda::parseWavClip(trimmed->bytes);
  FUZZ_CHECK(again.clip.has_value());
  FUZZ_CHECK(again.clip->dataOffset == trimmed->dataOffset);
  FUZZ_CHECK(again.clip->dataSize == trimmed->dataSize);
  return 0;
}
