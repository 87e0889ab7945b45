// The default-voice generator run as a program, with the real synthesiser
// and encoders; its clips read back the way the reader reads them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>

#include "adapters/posix/posix_shell.h"
#include "adapters/std/system_clock.h"
#include "adapters/private_temp_dir.h"
#include "core/clips/voice_clip_source.h"
#include "tests/fakes/collected_messages.h"
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

// The reader's own clip loading, decoders included, over one voice folder.
class ReaderClips {
 public:
  ReaderClips(const fs::path& voiceDir, ClipFormat format)
      : source_(voice_, {temp_.path(), temp_.path()}, shell_, clock_, messages_,
                Language::English) {
    voice_.set({voiceDir, voiceDir / "Mesg", format});
    // The clips as the generator wrote them, silent margins included.
    source_.setEdgeSilence(EdgeSilence::AsRecorded);
  }
  ClipRef load(ClipFolder folder, std::string_view name) {
    return source_.load(folder, name);
  }
  // Messages the reader would have shown about clips it could not read.
  int complaints() const { return static_cast<int>(messages_.count()); }

 private:
  CurrentVoice voice_;
  PrivateTempDir temp_;
  PosixShell shell_;
  SystemClock clock_;
  testing::CollectedMessages messages_;
  VoiceClipSource source_;
};

// What a player hears of a clip, measured on its samples.
struct Loudness {
  double leadingSilenceMs = 0.0;   // before the first sample above 1% of peak
  double trailingSilenceMs = 0.0;  // after the last one
  double voicedRmsDbfs = 0.0;      // between them
};

Loudness loudness(const SoundClip& clip) {
  std::vector<int> samples;
  const std::size_t step = frameBytes(clip.format);
  for (std::size_t at = clip.dataOffset; at + 1 < clip.dataOffset + clip.dataSize;
       at += step) {
    samples.push_back(static_cast<std::int16_t>(clip.bytes[at] | clip.bytes[at + 1] << 8));
  }
  int peak = 1;
  for (const int s : samples) peak = std::max(peak, std::abs(s));
  const auto loud = [&](int s) { return std::abs(s) >= peak / 100; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud);
  const auto last = std::find_if(samples.rbegin(), samples.rend(), loud);
  const double msPerFrame = 1000.0 / clip.format.sampleRate;
  Loudness result;
  result.leadingSilenceMs = (first - samples.begin()) * msPerFrame;
  result.trailingSilenceMs = (last - samples.rbegin()) * msPerFrame;
  double sum = 0.0;
  for (auto it = first; it != last.base(); ++it) sum += double(*it) * *it;
  result.voicedRmsDbfs =
      20 * std::log10(std::sqrt(sum / std::max<long>(1, last.base() - first)) / 32768);
  return result;
}

// The last `seconds` of a clip in windows of 100 ms: their levels and how
// far the pitch (the period of best self-likeness) wanders between them.
struct HeldEnding {
  double startDb = 0.0;    // the first window
  double endDb = 0.0;      // the last whole window
  double quietestDb = 0.0;
  double pitchSpread = 0.0;  // (highest - lowest) / lowest pitch
};

HeldEnding heldEnding(const SoundClip& clip, double seconds) {
  std::vector<double> samples;
  const std::size_t step = frameBytes(clip.format);
  for (std::size_t at = clip.dataOffset; at + 1 < clip.dataOffset + clip.dataSize;
       at += step) {
    samples.push_back(static_cast<std::int16_t>(clip.bytes[at] | clip.bytes[at + 1] << 8));
  }
  const std::size_t rate = clip.format.sampleRate;
  const std::size_t window = rate / 10;
  const std::size_t first = samples.size() - static_cast<std::size_t>(seconds * rate);
  // The voice's period lies between 2.5 ms (400 Hz) and 12.5 ms (80 Hz).
  const std::size_t shortest = rate / 400;
  const std::size_t longest = rate / 80;
  HeldEnding held;
  held.quietestDb = INFINITY;
  double lowest = INFINITY;
  double highest = 0.0;
  for (std::size_t at = first; at + window + longest <= samples.size(); at += window) {
    double sum = 0.0;
    for (std::size_t i = at; i < at + window; ++i) sum += samples[i] * samples[i];
    const double db = 10 * std::log10(sum / window + 1e-9);
    if (at == first) held.startDb = db;
    held.endDb = db;
    held.quietestDb = std::min(held.quietestDb, db);
    std::size_t bestLag = shortest;
    double best = -2.0;
    for (std::size_t lag = shortest; lag <= longest; ++lag) {
      double dot = 0.0;
      double energy = 1e-9;
      for (std::size_t i = at; i < at + window; ++i) {
        dot += samples[i] * samples[i + lag];
        energy += samples[i + lag] * samples[i + lag];
      }
      const double score = dot / std::sqrt(energy * (sum + 1e-9));
      if (score > best) {
        best = score;
        bestLag = lag;
      }
    }
    const double pitch = static_cast<double>(rate) / bestLag;
    lowest = std::min(lowest, pitch);
    highest = std::max(highest, pitch);
  }
  held.pitchSpread = (highest - lowest) / lowest;
  return held;
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

// The plainer voice is quick to make whole; Open JTalk's is measured below on
// a few clips and made whole in the benchmark.
constexpr std::string_view kQuickEngine = "--engine espeak-ng ";

TEST(MakeVoice, MakesEveryClipOfTheVoiceTrimmedAndLevelled) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "data";
  const ProgramRun made = makeVoice(std::string(kQuickEngine) + quoted(voice));
  ASSERT_EQ(made.status, 0) << made.output;

  std::set<std::string> verses = filesIn(voice);
  EXPECT_EQ(verses.erase(".make_voice"), 1u);
  EXPECT_EQ(verses, expectedVerseClips("wav"));
  const std::set<std::string> announcements = filesIn(voice / "Mesg");
  EXPECT_EQ(announcements, (std::set<std::string>{"anki_5.wav", "anki_s.wav",
                                                  "nifun.wav", "shiai_s.wav"}));
  ASSERT_EQ(verses.size() + announcements.size(), 206u);

  ReaderClips reader(voice, ClipFormat::Wav);
  std::vector<std::pair<ClipFolder, std::string>> clips;
  for (const auto& name : verses) clips.emplace_back(ClipFolder::Verses, name.substr(0, 6));
  for (const auto& name : announcements) {
    clips.emplace_back(ClipFolder::Announcements, name.substr(0, name.find('.')));
  }
  for (const auto& [folder, name] : clips) {
    SCOPED_TRACE(name);
    const ClipRef clip = reader.load(folder, name);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->dataOffset, 44u);  // the canonical header
    EXPECT_EQ(clip->format.formatTag, 1);
    EXPECT_EQ(clip->format.channels, 1);
    EXPECT_EQ(clip->format.bitsPerSample, 16);
    EXPECT_GE(clip->playingMs, 1000.0);
    EXPECT_LE(clip->playingMs, 10000.0);
    const Loudness heard = loudness(*clip);
    // Every clip starts and ends with its voice, so the reader's pauses are
    // the ones heard.
    EXPECT_LE(heard.leadingSilenceMs, 10.0);
    EXPECT_LE(heard.trailingSilenceMs, 10.0);
    // Levelled to -18 dBFS, or less where the peak ceiling held it down (a
    // lower verse's long, fading held vowel lowers its mean against its peak).
    EXPECT_LE(heard.voicedRmsDbfs, -17.5);
    EXPECT_GE(heard.voicedRmsDbfs, -22.0);
  }
  EXPECT_EQ(reader.complaints(), 0);
}

TEST(MakeVoice, KeepsACompleteVoiceAndRemakesAnIncompleteOne) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "data";
  ASSERT_EQ(makeVoice(std::string(kQuickEngine) + quoted(voice)).status, 0);
  const auto madeAt = fs::last_write_time(voice / "I-050A.wav");

  const ProgramRun again = makeVoice(std::string(kQuickEngine) + quoted(voice));
  EXPECT_EQ(again.status, 0) << again.output;
  EXPECT_NE(again.output.find("complete voice"), std::string::npos) << again.output;
  EXPECT_EQ(fs::last_write_time(voice / "I-050A.wav"), madeAt);

  // A clip lost, and a clip half written when a run was cut short.
  fs::remove(voice / "Mesg" / "nifun.wav");
  std::ofstream(voice / "I-051B.wav.part") << "half";
  const ProgramRun repaired = makeVoice(std::string(kQuickEngine) + quoted(voice));
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
  // Not even the folder of announcements is added to a voice that has none.
  folder.write("verses only/i-000a.ogg", "a recording");
  EXPECT_EQ(makeVoice(quoted(folder / "verses only")).status, 3);
  EXPECT_FALSE(fs::exists(folder / "verses only" / "Mesg"));

  const ProgramRun overwritten = makeVoice("--overwrite --only I-000A " + quoted(voice));
  EXPECT_EQ(overwritten.status, 0) << overwritten.output;
  EXPECT_EQ(filesIn(voice), (std::set<std::string>{".make_voice", "I-000A.wav"}));
  EXPECT_TRUE(filesIn(voice / "Mesg").empty());
  EXPECT_TRUE(ReaderClips(voice, ClipFormat::Wav).load(ClipFolder::Verses, "I-000A"));
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

TEST(MakeVoice, WithoutOpenJTalksVoiceEspeakSpeaksUnlessOpenJTalkWasAskedFor) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "data";
  const std::string missing = "--jtalk-voice " + quoted(folder / "gone.htsvoice") + " ";
  const ProgramRun insisted =
      makeVoice("--engine open-jtalk " + missing + "--only I-000A " + quoted(voice));
  EXPECT_EQ(insisted.status, 1);
  EXPECT_NE(insisted.output.find("gone.htsvoice"), std::string::npos) << insisted.output;
  EXPECT_FALSE(fs::exists(voice));

  const ProgramRun fellBack = makeVoice(missing + "--only I-000A " + quoted(voice));
  EXPECT_EQ(fellBack.status, 0) << fellBack.output;
  EXPECT_NE(fellBack.output.find("hts-voice-nitech-jp-atr503-m001"), std::string::npos);
  EXPECT_NE(fellBack.output.find("with espeak-ng"), std::string::npos) << fellBack.output;
  EXPECT_TRUE(fs::exists(voice / "I-000A.wav"));
}

// What a player hears of Open JTalk's verses, measured on the clips: the
// rhythm of a match, the held ending, clean edges and one loudness.
TEST(MakeVoice, OpenJTalkVersesKeepTheRhythmOfAMatch) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "data";
  const ProgramRun made = makeVoice(
      "--engine open-jtalk --only I-000A,I-000B,I-020A,I-069B,I-003B,anki_s " + quoted(voice));
  ASSERT_EQ(made.status, 0) << made.output;
  EXPECT_NE(made.output.find("with Open JTalk"), std::string::npos) << made.output;
  // Each of these verses is one the dictionary alone would misread.
  EXPECT_EQ(made.output.find("did not say"), std::string::npos) << made.output;

  ReaderClips reader(voice, ClipFormat::Wav);
  std::vector<double> levels;
  for (const std::string name : {"I-000A", "I-000B", "I-020A", "I-069B", "I-003B"}) {
    SCOPED_TRACE(name);
    const ClipRef clip = reader.load(ClipFolder::Verses, name);
    ASSERT_TRUE(clip);
    const Loudness heard = loudness(*clip);
    EXPECT_LE(heard.leadingSilenceMs, 10.0);
    EXPECT_LE(heard.trailingSilenceMs, 10.0);
    levels.push_back(heard.voicedRmsDbfs);
    const double seconds = clip->playingMs / 1000.0;
    if (name.back() == 'A') {
      EXPECT_NEAR(seconds, 6.0, 0.5);
      continue;
    }
    EXPECT_NEAR(seconds, 8.0, 0.7);
    // The last 2.5 s are one held sound that fades: never silent, quieter at
    // the end than at the start, and a held vowel keeps its pitch but for a
    // gentle fall (I-003B ends on ん, a hum).
    const HeldEnding held = heldEnding(*clip, 2.5);
    EXPECT_GT(held.quietestDb, held.startDb - 20.0);
    EXPECT_LT(held.endDb, held.startDb - 3.0);
    if (name != "I-003B") {
      EXPECT_LT(held.pitchSpread, 0.25);
    }
  }
  for (const double level : levels) EXPECT_NEAR(level, levels.front(), 1.5);
  const ClipRef announcement = reader.load(ClipFolder::Announcements, "anki_s");
  ASSERT_TRUE(announcement);
  EXPECT_NEAR(loudness(*announcement).voicedRmsDbfs, levels.front(), 1.5);
  EXPECT_EQ(reader.complaints(), 0);
}

TEST(MakeVoice, Mp3AndOggClipsDecodeThroughTheReadersClipLoading) {
  const testing::TempFolder folder;
  const fs::path voice = folder / "data";
  for (const ClipFormat format : {ClipFormat::Mp3, ClipFormat::Ogg}) {
    const std::string name = format == ClipFormat::Mp3 ? "mp3" : "ogg";
    SCOPED_TRACE(name);
    const ProgramRun made = makeVoice(std::string(kQuickEngine) + "--format " + name +
                                      " --only I-000A,shiai_s " + quoted(voice));
    ASSERT_EQ(made.status, 0) << made.output;
    EXPECT_TRUE(fs::exists(voice / ("I-000A." + name)));
    // Another format replaces the clips of the old one, which the reader
    // would otherwise go on choosing.
    EXPECT_EQ(probeClipFormat(voice), format);

    ReaderClips reader(voice, format);
    for (const ClipRef& clip : {reader.load(ClipFolder::Verses, "I-000A"),
                                reader.load(ClipFolder::Announcements, "shiai_s")}) {
      ASSERT_TRUE(clip);
      EXPECT_GE(clip->playingMs, 1000.0);
      EXPECT_LE(clip->playingMs, 10000.0);
    }
    EXPECT_EQ(reader.complaints(), 0);
  }
}

}  // namespace
}  // namespace fuda
