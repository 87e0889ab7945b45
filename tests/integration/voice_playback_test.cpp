// A voice in each format, made with the real encoders, loaded through the
// decoder handshake and played through SDL's disk driver: the written stream
// holds each clip whole, in order.
#include <gtest/gtest.h>

#include "adapters/posix/posix_shell.h"
#include "core/clips/voice_clip_source.h"
#include "tests/integration/sound_output_support.h"

namespace fuda {
namespace {

using namespace fuda::testing;

TEST_F(DiskDriverTest, WavMp3AndOggVoicesArePlayedWholeAndInOrder) {
  TempFolder voices;
  TempFolder temp;
  const std::filesystem::path programDir = voices.path() / "program";
  std::filesystem::create_directory(programDir);
  struct Voice {
    ClipFormat format;
    std::filesystem::path dir;
    double hz;
  };
  const std::vector<Voice> made = {{ClipFormat::Wav, voices.path() / "wav voice", 440},
                                   {ClipFormat::Mp3, voices.path() / "mp3 voice", 550},
                                   {ClipFormat::Ogg, voices.path() / "ogg voice", 660}};
  for (const auto& voice : made) {
    std::filesystem::create_directories(voice.dir);
    const auto wav = voice.dir / "I-001A.WAV";
    ASSERT_TRUE(makeTone(wav, 0.3, voice.hz));
    if (voice.format == ClipFormat::Mp3) {
      ASSERT_TRUE(encodeMp3(wav, voice.dir / "I-001A.mp3"));
      std::filesystem::remove(wav);
    } else if (voice.format == ClipFormat::Ogg) {
      ASSERT_TRUE(encodeOgg(wav, voice.dir / "I-001A.ogg"));
      std::filesystem::remove(wav);
    }
  }

  CurrentVoice current;
  PosixShell shell;
  VoiceClipSource source(current, {temp.path(), programDir}, shell, clock, messages,
                         Language::English);
  std::vector<ClipRef> clips;
  for (const auto& voice : made) {
    current.set({voice.dir, voice.dir / "Mesg", voice.format});
    clips.push_back(source.load(ClipFolder::Verses, "I-001A"));
    ASSERT_TRUE(clips.back()) << static_cast<int>(voice.format);
    EXPECT_NEAR(clips.back()->playingMs, 300.0, 0.1);
  }
  {
    SdlSoundOut out(clock, messages, Language::English);
    ASSERT_EQ(out.state(), SoundDeviceState::Open);
    out.playSync(clips[0]);
    out.playSync(clips[1], 100.0);
    out.playSync(clips[2], 100.0);
  }
  const auto samples = stream();
  std::size_t from = 0;
  for (std::size_t i = 0; i < clips.size(); ++i) {
    const auto whole = clipSamples16(*clips[i]);
    const auto at = findWhole(samples, whole, from);
    ASSERT_TRUE(at) << "clip " << i << " not found whole after sample " << from;
    from = *at + whole.size();
  }
  EXPECT_TRUE(messages.captions().empty());
}

}  // namespace
}  // namespace fuda
