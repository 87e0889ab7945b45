// make_voice: makes the default voice, so that the reader speaks on its first
// run without recorded clips. See usage() for the command line.
#include <signal.h>
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "voicegen/clip_maker.h"
#include "voicegen/make_voice_status.h"
#include "voicegen/progress_bar.h"
#include "voicegen/speech_engine.h"
#include "voicegen/voice_folder.h"
#include "voicegen/voice_script.h"

namespace fs = std::filesystem;

namespace fuda {
namespace {

// Exit statuses are in make_voice_status.h, where the callers read them.
constexpr int kHelpShown = -1;  // parsed: nothing more to do

std::atomic<bool> stopRequested{false};

void onStopSignal(int) { stopRequested = true; }

void usage(std::FILE* out) {
  std::fprintf(out,
      "Usage: make_voice [options] DIR\n"
      "Makes the default voice in DIR: the verse clips I-000A ... I-100B of the\n"
      "preface poem and the hundred poems, and the announcements anki_s, anki_5,\n"
      "nifun and shiai_s in DIR/Mesg, spoken by Open JTalk (or by espeak-ng's\n"
      "Japanese voice when Open JTalk, its dictionary or its voice is missing)\n"
      "in the rhythm of a match. A complete voice already in DIR is kept; an\n"
      "incomplete one is made again.\n"
      "\n"
      "  --format wav|mp3|ogg  clip format (default wav; mp3 needs lame, ogg oggenc)\n"
      "  --rebuild             make the voice again even when DIR holds a complete one\n"
      "  --overwrite           replace the clips of another voice found in DIR\n"
      "  --only NAME[,NAME..]  make only these clips (I-001A,anki_s,...)\n"
      "  --jobs N              clips made at once (default: the number of cores)\n"
      "  --engine NAME         open-jtalk or espeak-ng only (default: the best there is)\n"
      "  --jtalk-dictionary DIR  Open JTalk's dictionary (default %s)\n"
      "  --jtalk-voice FILE    Open JTalk's HTS voice (default %s)\n"
      "  --help                show this text\n"
      "\n"
      "Exit status: %d made or already complete, %d failed, %d bad usage,\n"
      "%d DIR holds another voice's clips (nothing was changed), %d interrupted.\n",
      OpenJTalkFiles().dictionary.c_str(), OpenJTalkFiles().voice.c_str(), kMakeVoiceDone,
      kMakeVoiceFailed, kMakeVoiceBadUsage, kMakeVoiceRecordedVoice, kMakeVoiceInterrupted);
}

struct Options {
  fs::path dir;
  ClipFormat format = ClipFormat::Wav;
  Existing existing = Existing::Keep;
  OtherClips other = OtherClips::Refuse;
  std::vector<std::string> only;
  int jobs = 0;
  EngineRequest engine = EngineRequest::Best;
  OpenJTalkFiles openJTalk;
};

bool parseNumber(std::string_view text, int low, int high, int& value) {
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() &&
         value >= low && value <= high;
}

// Gives kMakeVoiceDone when `options` is filled, or the status to exit with.
int parseOptions(int argc, char** argv, Options& options) {
  const auto bad = [](const std::string& message) {
    std::cerr << "make_voice: " << message << "\n";
    usage(stderr);
    return kMakeVoiceBadUsage;
  };
  std::vector<std::string_view> dirs;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const auto value = [&]() -> std::string_view {
      return i + 1 < argc ? std::string_view(argv[++i]) : std::string_view();
    };
    if (arg == "--help" || arg == "-h") {
      usage(stdout);
      return kHelpShown;
    } else if (arg == "--rebuild") {
      options.existing = Existing::Rebuild;
    } else if (arg == "--overwrite") {
      options.other = OtherClips::Overwrite;
    } else if (arg == "--format") {
      const auto format = formatFromName(value());
      if (!format) return bad("--format takes wav, mp3 or ogg");
      options.format = *format;
    } else if (arg == "--only") {
      std::string_view names = value();
      while (!names.empty()) {
        const auto comma = names.find(',');
        const std::string_view name = names.substr(0, comma);
        if (!name.empty()) options.only.emplace_back(name);
        names = comma == std::string_view::npos ? std::string_view()
                                                : names.substr(comma + 1);
      }
      if (options.only.empty()) return bad("--only takes clip names");
    } else if (arg == "--jobs") {
      if (!parseNumber(value(), 1, 64, options.jobs)) {
        return bad("--jobs takes a number from 1 to 64");
      }
    } else if (arg == "--engine") {
      const std::string_view name = value();
      if (name == "open-jtalk") {
        options.engine = EngineRequest::OpenJTalk;
      } else if (name == "espeak-ng") {
        options.engine = EngineRequest::EspeakNg;
      } else {
        return bad("--engine takes open-jtalk or espeak-ng");
      }
    } else if (arg == "--jtalk-dictionary" || arg == "--jtalk-voice") {
      const std::string_view path = value();
      if (path.empty()) return bad(std::string(arg) + " takes a path");
      (arg == "--jtalk-voice" ? options.openJTalk.voice : options.openJTalk.dictionary) =
          fs::path(path);
    } else if (arg.starts_with("-") && arg.size() > 1) {
      return bad("unknown option " + std::string(arg));
    } else {
      dirs.push_back(arg);
    }
  }
  if (dirs.size() != 1) return bad("give one output directory");
  options.dir = fs::path(dirs.front());
  if (options.jobs == 0) {
    options.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  }
  return kMakeVoiceDone;
}

std::string_view describeFormat(ClipFormat format) {
  switch (format) {
    case ClipFormat::Mp3: return "MP3";
    case ClipFormat::Ogg: return "Ogg Vorbis";
    case ClipFormat::Wav: break;
  }
  return "WAV";
}

// A private folder for the synthesiser's raw output, removed on every way out.
class WorkFolder {
 public:
  WorkFolder() {
    std::string pattern =
        (fs::temp_directory_path() / "make_voice-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~WorkFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

struct MakingOutcome {
  std::string failure;  // the first one; empty when every clip was made
  std::vector<std::string> misread;  // clips made whose words may be off
};

// Makes `lines` on `jobs` threads.
MakingOutcome makeClips(const std::vector<VoiceLine>& lines,
                        const ClipRecipe& recipe, int jobs) {
  ProgressBar progress(stderr, static_cast<int>(lines.size()), "Making the voice");
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  std::mutex outcomeMutex;
  MakingOutcome outcome;
  const auto work = [&] {
    for (;;) {
      if (failed || stopRequested) return;
      const std::size_t index = next++;
      if (index >= lines.size()) return;
      ClipOutcome made = makeClip(lines[index], recipe);
      if (!made.error.empty()) {
        std::lock_guard lock(outcomeMutex);
        if (outcome.failure.empty()) outcome.failure = std::move(made.error);
        failed = true;
        return;
      }
      if (made.misread) {
        std::lock_guard lock(outcomeMutex);
        outcome.misread.push_back(lines[index].name);
      }
      progress.advance();
    }
  };
  std::vector<std::jthread> threads;
  for (int i = 0; i < jobs; ++i) threads.emplace_back(work);
  threads.clear();  // joins
  progress.finish();
  return outcome;
}

int makeVoice(const Options& options) {
  const VoiceScript script = makeVoiceScript();
  std::vector<VoiceLine> lines;
  if (options.only.empty()) lines = script.lines;
  for (const std::string& name : options.only) {
    const auto line = std::find_if(
        script.lines.begin(), script.lines.end(),
        [&](const VoiceLine& candidate) { return sameClipName(candidate.name, name); });
    if (line == script.lines.end()) {
      std::cerr << "make_voice: no clip is named " << name
                << " (I-000A to I-100B, anki_s, anki_5, nifun, shiai_s)\n";
      return kMakeVoiceBadUsage;
    }
    // Twice the same clip would be two threads writing one file.
    if (std::none_of(lines.begin(), lines.end(),
                     [&](const VoiceLine& chosen) { return chosen.name == line->name; })) {
      lines.push_back(*line);
    }
  }
  const Coverage coverage =
      options.only.empty() ? Coverage::WholeVoice : Coverage::ChosenClips;

  const FolderInspection folder = inspectVoiceFolder(options.dir, script.lines);
  RunPlan plan = planVoiceRun(folder, options.format, options.existing,
                              options.other, coverage);
  // A complete voice that espeak-ng spoke (as every voice before Open JTalk
  // did) is made again once Open JTalk can speak it.
  std::optional<EngineChoice> engineChecked;
  if (plan.action == RunAction::KeepComplete && options.engine == EngineRequest::Best &&
      folder.markedSpeaker != synthesiserName(Synthesiser::OpenJTalk)) {
    engineChecked = chooseSynthesiser(options.engine, options.openJTalk);
    if (engineChecked->synthesiser == Synthesiser::OpenJTalk) {
      std::cout << options.dir.string()
                << " holds a voice spoken by espeak-ng; Open JTalk speaks it anew.\n";
      plan = planVoiceRun(folder, options.format, Existing::Rebuild, options.other, coverage);
    }
  }
  if (plan.action == RunAction::Refuse) {
    std::cerr << "make_voice: " << options.dir.string()
              << " holds the clips of another voice (such as "
              << folder.clips.front().filename().string()
              << ") and was left as it is; --overwrite replaces them with "
                 "the default voice.\n";
    return kMakeVoiceRecordedVoice;
  }
  if (plan.action == RunAction::KeepComplete) {
    std::cout << options.dir.string() << " holds a complete voice ("
              << describeFormat(*folder.markedFormat)
              << "); --rebuild makes it again.\n";
    return kMakeVoiceDone;
  }

  // Before anything in the folder changes: a voice that cannot be made must
  // not cost the one that is there.
  const EngineChoice engine =
      engineChecked ? *engineChecked : chooseSynthesiser(options.engine, options.openJTalk);
  if (!engine.synthesiser) {
    std::cerr << "make_voice: nothing can speak the voice: " << engine.error << "\n";
    return kMakeVoiceFailed;
  }
  if (const std::string missing = checkEncoder(options.format); !missing.empty()) {
    std::cerr << "make_voice: " << missing << "\n";
    return kMakeVoiceFailed;
  }
  if (!engine.notice.empty()) std::cerr << "make_voice: " << engine.notice << "\n";
  std::cout << "Speaking with " << synthesiserName(*engine.synthesiser) << ".\n"
            << std::flush;
  std::error_code error;
  fs::create_directories(options.dir / kAnnouncementFolder, error);
  if (error) {
    std::cerr << "make_voice: cannot make " << options.dir.string() << ": "
              << error.message() << "\n";
    return kMakeVoiceFailed;
  }
  for (const fs::path& path : plan.remove) {
    fs::remove(path, error);
    if (error) {
      std::cerr << "make_voice: cannot remove " << path.string() << ": "
                << error.message() << "\n";
      return kMakeVoiceFailed;
    }
  }
  // Chosen clips replace their files one by one, so a complete voice stays
  // complete throughout; a whole voice is incomplete until its last clip.
  const VoiceState stateWhileMaking =
      coverage == Coverage::ChosenClips ? plan.stateAfter : VoiceState::Incomplete;
  if (!writeVoiceMarker(options.dir, options.format, stateWhileMaking,
                        synthesiserName(*engine.synthesiser))) {
    std::cerr << "make_voice: cannot write in " << options.dir.string() << "\n";
    return kMakeVoiceFailed;
  }

  const WorkFolder work;
  if (work.path().empty()) {
    std::cerr << "make_voice: cannot make a temporary folder\n";
    return kMakeVoiceFailed;
  }
  ClipRecipe recipe;
  recipe.voiceDir = options.dir;
  recipe.workDir = work.path();
  recipe.format = options.format;
  recipe.synthesiser = *engine.synthesiser;
  recipe.openJTalk = options.openJTalk;

  const auto start = std::chrono::steady_clock::now();
  const MakingOutcome made = makeClips(lines, recipe, options.jobs);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
          .count();
  if (stopRequested) {
    std::cerr << "make_voice: stopped; the voice in " << options.dir.string()
              << " is incomplete and will be made again on the next run.\n";
    return kMakeVoiceInterrupted;
  }
  if (!made.failure.empty()) {
    std::cerr << "make_voice: " << made.failure << "\n"
              << "The voice in " << options.dir.string() << " is incomplete.\n";
    return kMakeVoiceFailed;
  }
  if (!writeVoiceMarker(options.dir, options.format, plan.stateAfter,
                        synthesiserName(*engine.synthesiser))) {
    std::cerr << "make_voice: cannot write in " << options.dir.string() << "\n";
    return kMakeVoiceFailed;
  }
  char timing[32];
  std::snprintf(timing, sizeof timing, "%.1f", seconds);
  std::cout << "Made " << lines.size() << (lines.size() == 1 ? " clip (" : " clips (")
            << describeFormat(options.format) << ") in " << options.dir.string()
            << " in " << timing << " s with " << synthesiserName(*engine.synthesiser)
            << ".\n";
  for (const std::string& name : made.misread) {
    std::cerr << "make_voice: " << name
              << ": the synthesiser did not say the poem's reading exactly.\n";
  }
  return kMakeVoiceDone;
}

}  // namespace
}  // namespace fuda

int main(int argc, char** argv) {
  fuda::Options options;
  const int parsed = fuda::parseOptions(argc, argv, options);
  if (parsed == fuda::kHelpShown) return fuda::kMakeVoiceDone;
  if (parsed != fuda::kMakeVoiceDone) return parsed;

  struct sigaction action = {};
  action.sa_handler = fuda::onStopSignal;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  return fuda::makeVoice(options);
}
