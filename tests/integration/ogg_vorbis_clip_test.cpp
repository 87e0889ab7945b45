// The in-process Ogg Vorbis decoder against oggdec, on a file oggenc made.
#include "adapters/stb/ogg_vorbis_clip.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/fakes/temp_folder.h"
#include "tests/support/audio_tools.h"
#include "tests/support/wav_bytes.h"

namespace fuda {
namespace {

using namespace fuda::testing;

TEST(OggVorbisClip, DecodesAsOggdecDoes) {
  TempFolder folder;
  ASSERT_TRUE(makeTone(folder / "tone.wav", 0.3, 440.0, 22050, 1));
  ASSERT_TRUE(encodeOgg(folder / "tone.wav", folder / "tone.ogg"));
  ASSERT_TRUE(run("oggdec -Q -o " + shellQuote((folder / "ref.wav").string()) + " " +
                  shellQuote((folder / "tone.ogg").string())));
  const WavParse reference = loadWavFile(folder / "ref.wav");
  ASSERT_TRUE(reference.clip);

  const WavParse decoded = decodeOggVorbis(readBytes(folder / "tone.ogg"));
  ASSERT_TRUE(decoded.clip);
  EXPECT_EQ(decoded.clip->format.channels, 1);
  EXPECT_EQ(decoded.clip->format.sampleRate, 22050u);
  EXPECT_EQ(decoded.clip->format.bitsPerSample, 16);
  const auto ours = clipSamples16(*decoded.clip);
  const auto theirs = clipSamples16(*reference.clip);
  ASSERT_EQ(ours.size(), theirs.size());
  for (std::size_t i = 0; i < ours.size(); ++i) {
    // The two round the decoder's floats differently, by a step at most.
    ASSERT_LE(std::abs(ours[i] - theirs[i]), 2) << "sample " << i;
  }

  // A file cut short or no Ogg at all gives no clip.
  auto cut = readBytes(folder / "tone.ogg");
  cut.resize(cut.size() / 8);
  EXPECT_EQ(decodeOggVorbis(cut).problem, WavProblem::NotPcm);
  EXPECT_EQ(decodeOggVorbis(readBytes(folder / "tone.wav")).problem, WavProblem::NotPcm);
}

}  // namespace
}  // namespace fuda
