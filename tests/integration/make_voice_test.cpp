// The default-voice generator run as a program, with the real synthesiser
// and encoders.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

#include "tests/fakes/temp_folder.h"

namespace fuda {
namespace {

namespace fs = std::filesystem;

struct ProgramRun {
  int status = -1;
  std::string output;
};

ProgramRun run(const std::string& command) {
  ProgramRun result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) result.output += buffer;
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

ProgramRun makeVoice(const std::string& arguments) {
  return run(std::string(FUDA_MAKE_VOICE_PATH) + " " + arguments);
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

std::vector<std::uint8_t> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a clip player learns from a clip: the canonical 44-byte header read
// at its fixed offsets, and the samples measured.
struct ClipFacts {
  bool canonical = false;
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint16_t bits = 0;
  double seconds = 0.0;
  double leadingSilenceMs = 0.0;   // before the first sample above 1% of peak
  double trailingSilenceMs = 0.0;  // after the last one
  double voicedRmsDbfs = 0.0;      // between them
};

ClipFacts clipFacts(const std::vector<std::uint8_t>& b) {
  ClipFacts facts;
  if (b.size() < 44) return facts;
  const auto u16 = [&](std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); };
  const auto u32 = [&](std::size_t at) {
    return std::uint32_t(b[at] | b[at + 1] << 8 | b[at + 2] << 16) |
           std::uint32_t(b[at + 3]) << 24;
  };
  const std::string tags(b.begin(), b.begin() + 40);
  facts.channels = u16(22);
  facts.sampleRate = u32(24);
  facts.bits = u16(34);
  const std::uint32_t dataSize = u32(40);
  facts.canonical = tags.substr(0, 4) == "RIFF" && tags.substr(8, 8) == "WAVEfmt " &&
                    tags.substr(36, 4) == "data" && u16(20) == 1 &&
                    b.size() == 44u + dataSize;
  if (!facts.canonical || facts.bits != 16 || facts.channels == 0 ||
      facts.sampleRate == 0) {
    return facts;
  }
  facts.seconds = dataSize * 8.0 / facts.sampleRate / facts.channels / facts.bits;
  std::vector<int> samples;
  for (std::size_t at = 44; at + 1 < b.size(); at += 2 * facts.channels) {
    samples.push_back(static_cast<std::int16_t>(u16(at)));
  }
  int peak = 1;
  for (const int s : samples) peak = std::max(peak, std::abs(s));
  const auto loud = [&](int s) { return std::abs(s) >= peak / 100; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud);
  const auto last = std::find_if(samples.rbegin(), samples.rend(), loud);
  const double msPerFrame = 1000.0 / facts.sampleRate;
  facts.leadingSilenceMs = (first - samples.begin()) * msPerFrame;
  facts.trailingSilenceMs = (last - samples.rbegin()) * msPerFrame;
  double sum = 0.0;
  for (auto it = first; it != last.base(); ++it) sum += double(*it) * *it;
  facts.voicedRmsDbfs =
      20 * std::log10(std::sqrt(sum / std::max<long>(1, last.base() - first)) / 32768);
  return facts;
}

std::set<std::string> filesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  }
  return names;
}

std::set<std::string> expectedVerseClips(std::string_view extension) {
  std::set<std::string> names;
  for (int poem = 0; poem <= 100; ++poem) {
    for (const char half : {'A', 'B'}) {
      char name[32];
      std::snprintf(name, sizeof name, "I-%03d%c.%s", poem, half,
                    std::string(extension).c_str());
      names.insert(name);
    }
  }
  return names;
}

TEST(MakeVoice, MakesEveryClipOfTheVoiceTrimmedAndLevelled) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "data";
  const ProgramRun made = makeVoice(quoted(voice));
  ASSERT_EQ(made.status, 0) << made.output;

  std::set<std::string> verses = filesIn(voice);
  EXPECT_EQ(verses.erase(".make_voice"), 1u);
  EXPECT_EQ(verses, expectedVerseClips("wav"));
  const std::set<std::string> announcements = filesIn(voice / "Mesg");
  EXPECT_EQ(announcements, (std::set<std::string>{"anki_5.wav", "anki_s.wav",
                                                  "nifun.wav", "shiai_s.wav"}));
  ASSERT_EQ(verses.size() + announcements.size(), 206u);

  std::vector<fs::path> clips;
  for (const auto& name : verses) clips.push_back(voice / name);
  for (const auto& name : announcements) clips.push_back(voice / "Mesg" / name);
  for (const fs::path& clip : clips) {
    SCOPED_TRACE(clip.filename().string());
    const ClipFacts facts = clipFacts(readBytes(clip));
    ASSERT_TRUE(facts.canonical);
    EXPECT_EQ(facts.channels, 1);
    EXPECT_EQ(facts.bits, 16);
    EXPECT_GE(facts.seconds, 1.0);
    EXPECT_LE(facts.seconds, 10.0);
    // Every clip starts and ends alike, so the reader's pauses are the ones
    // heard.
    EXPECT_NEAR(facts.leadingSilenceMs, 50.0, 10.0);
    EXPECT_NEAR(facts.trailingSilenceMs, 50.0, 10.0);
    // Levelled to -18 dBFS, or less where the peak ceiling held it down.
    EXPECT_LE(facts.voicedRmsDbfs, -17.5);
    EXPECT_GE(facts.voicedRmsDbfs, -21.0);
  }
}

TEST(MakeVoice, KeepsACompleteVoiceAndRemakesAnIncompleteOne) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "data";
  ASSERT_EQ(makeVoice(quoted(voice)).status, 0);
  const auto madeAt = fs::last_write_time(voice / "I-050A.wav");

  const ProgramRun again = makeVoice(quoted(voice));
  EXPECT_EQ(again.status, 0) << again.output;
  EXPECT_NE(again.output.find("complete voice"), std::string::npos) << again.output;
  EXPECT_EQ(fs::last_write_time(voice / "I-050A.wav"), madeAt);

  // A clip lost, and a clip half written when a run was cut short.
  fs::remove(voice / "Mesg" / "nifun.wav");
  std::ofstream(voice / "I-051B.wav.part") << "half";
  const ProgramRun repaired = makeVoice(quoted(voice));
  EXPECT_EQ(repaired.status, 0) << repaired.output;
  EXPECT_TRUE(fs::exists(voice / "Mesg" / "nifun.wav"));
  EXPECT_FALSE(fs::exists(voice / "I-051B.wav.part"));
  EXPECT_NE(repaired.output.find("Made 206 clips"), std::string::npos);
}

TEST(MakeVoice, RefusesAFolderHoldingAnotherVoiceUnlessToldToOverwrite) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "recorded";
  folder.write("recorded/I-000A.WAV", "a recording");
  folder.write("recorded/Mesg/anki_s.mp3", "another recording");

  const ProgramRun refused = makeVoice(quoted(voice));
  EXPECT_EQ(refused.status, 3) << refused.output;
  EXPECT_NE(refused.output.find("--overwrite"), std::string::npos);
  EXPECT_EQ(filesIn(voice), std::set<std::string>{"I-000A.WAV"});
  EXPECT_EQ(filesIn(voice / "Mesg"), std::set<std::string>{"anki_s.mp3"});

  const ProgramRun overwritten = makeVoice("--overwrite --only I-000A " + quoted(voice));
  EXPECT_EQ(overwritten.status, 0) << overwritten.output;
  EXPECT_EQ(filesIn(voice), (std::set<std::string>{".make_voice", "I-000A.wav"}));
  EXPECT_TRUE(filesIn(voice / "Mesg").empty());
  EXPECT_TRUE(clipFacts(readBytes(voice / "I-000A.wav")).canonical);
}

TEST(MakeVoice, RejectsWhatItCannotDo) {
  const testing::TempFolder folder;
  EXPECT_EQ(makeVoice("--only I-101A " + quoted(folder / "v")).status, 2);
  EXPECT_EQ(makeVoice("--format flac " + quoted(folder / "v")).status, 2);
  EXPECT_EQ(makeVoice("").status, 2);
  EXPECT_EQ(makeVoice("--jobs 0 " + quoted(folder / "v")).status, 2);
}

TEST(MakeVoice, WithoutTheSynthesiserNothingInTheFolderChanges) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "data";
  ASSERT_EQ(makeVoice("--only I-000A " + quoted(voice)).status, 0);
  // Another format would remove the WAV clip, were the voice makeable.
  const ProgramRun failed =
      run("PATH=/nonexistent " + std::string(FUDA_MAKE_VOICE_PATH) +
          " --format mp3 " + quoted(voice));
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.output.find("espeak-ng"), std::string::npos) << failed.output;
  EXPECT_TRUE(fs::exists(voice / "I-000A.wav"));
}

// A compressed clip decoded back into WAV by the decoder the reader runs.
ClipFacts decodedFacts(const std::string& decodeCommand, const fs::path& wav) {
  const ProgramRun decoded = run(decodeCommand);
  EXPECT_EQ(decoded.status, 0) << decoded.output;
  return clipFacts(readBytes(wav));
}

TEST(MakeVoice, Mp3AndOggClipsDecodeBackIntoClips) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "data";
  const ProgramRun mp3 = makeVoice("--format mp3 --only I-001A,shiai_s " + quoted(voice));
  ASSERT_EQ(mp3.status, 0) << mp3.output;
  for (const fs::path& clip : {voice / "I-001A.mp3", voice / "Mesg" / "shiai_s.mp3"}) {
    const ClipFacts facts = decodedFacts(
        "lame --decode --quiet " + quoted(clip) + " " + quoted(folder / "out.wav"),
        folder / "out.wav");
    EXPECT_TRUE(facts.canonical) << clip;
    EXPECT_GE(facts.seconds, 1.0) << clip;
    EXPECT_LE(facts.seconds, 10.0) << clip;
  }

  // Another format replaces the clips of the old one, which the reader would
  // otherwise go on choosing.
  const ProgramRun ogg = makeVoice("--format ogg --only I-001A,shiai_s " + quoted(voice));
  ASSERT_EQ(ogg.status, 0) << ogg.output;
  EXPECT_FALSE(fs::exists(voice / "I-001A.mp3"));
  for (const fs::path& clip : {voice / "I-001A.ogg", voice / "Mesg" / "shiai_s.ogg"}) {
    const ClipFacts facts = decodedFacts(
        "oggdec --quiet -o " + quoted(folder / "out.wav") + " " + quoted(clip),
        folder / "out.wav");
    EXPECT_TRUE(facts.canonical) << clip;
    EXPECT_GE(facts.seconds, 1.0) << clip;
    EXPECT_LE(facts.seconds, 10.0) << clip;
  }
}

}  // namespace
}  // namespace fuda
