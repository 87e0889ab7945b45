#include "voicegen/voice_folder.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "voicegen/make_voice_status.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMarkerFirstLine = "make_voice";

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
    return static_cast<char>(std::tolower(c));
  });
  return out;
}

struct Marker {
  ClipFormat format = ClipFormat::Wav;
  VoiceState state = VoiceState::Incomplete;
  std::string speaker;
};

std::optional<Marker> readMarker(const fs::path& dir) {
  std::ifstream in(dir / kVoiceMarkerName);
  std::string line;
  if (!in || !std::getline(in, line) || line != kMarkerFirstLine) {
    return std::nullopt;
  }
  Marker marker;
  bool haveFormat = false;
  while (std::getline(in, line)) {
    if (line.starts_with("format=")) {
      const auto format = formatFromName(std::string_view(line).substr(7));
      if (!format) return std::nullopt;
      marker.format = *format;
      haveFormat = true;
    } else if (line == "state=complete") {
      marker.state = VoiceState::Complete;
    } else if (line.starts_with("speaker=")) {
      marker.speaker = line.substr(8);
    }
  }
  if (!haveFormat) return std::nullopt;
  return marker;
}

// The voice clips and half-written clips among the files of `folder`.
void collectClips(const fs::path& folder, const std::set<std::string>& stems,
                  FolderInspection& found) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) return;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) return;
    if (!it->is_regular_file(error)) continue;
    std::string name = lower(it->path().filename().string());
    const bool part = name.ends_with(kPartialClipEnding);
    if (part) name.resize(name.size() - kPartialClipEnding.size());
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || !formatFromName(name.substr(dot + 1)) ||
        !stems.contains(name.substr(0, dot))) {
      continue;
    }
    (part ? found.leftovers : found.clips).push_back(it->path());
  }
}

}  // namespace

bool sameClipName(std::string_view a, std::string_view b) {
  return lower(a) == lower(b);
}

std::string_view formatExtension(ClipFormat format) {
  switch (format) {
    case ClipFormat::Mp3: return "mp3";
    case ClipFormat::Ogg: return "ogg";
    case ClipFormat::Wav: break;
  }
  return "wav";
}

std::optional<ClipFormat> formatFromName(std::string_view name) {
  const std::string wanted = lower(name);
  for (const ClipFormat format : {ClipFormat::Wav, ClipFormat::Mp3, ClipFormat::Ogg}) {
    if (wanted == formatExtension(format)) return format;
  }
  return std::nullopt;
}

fs::path clipPath(const fs::path& dir, const VoiceLine& line, ClipFormat format) {
  const fs::path folder =
      line.folder == ClipFolder::Announcements ? dir / kAnnouncementFolder : dir;
  return folder / (line.name + "." + std::string(formatExtension(format)));
}

FolderInspection inspectVoiceFolder(const fs::path& dir,
                                    std::span<const VoiceLine> lines) {
  std::set<std::string> verses, announcements;
  for (const VoiceLine& line : lines) {
    (line.folder == ClipFolder::Verses ? verses : announcements)
        .insert(lower(line.name));
  }
  FolderInspection found;
  collectClips(dir, verses, found);
  collectClips(dir / kAnnouncementFolder, announcements, found);

  const auto marker = readMarker(dir);
  if (!marker) {
    found.state = found.clips.empty() ? FolderState::Empty : FolderState::OtherVoice;
    return found;
  }
  found.markedFormat = marker->format;
  found.markedSpeaker = marker->speaker;
  for (const fs::path& clip : found.clips) {
    const std::string ext = clip.extension().string();
    if (formatFromName(ext.empty() ? ext : ext.substr(1)) != marker->format) {
      found.state = FolderState::OtherVoice;
      return found;
    }
  }
  bool allThere = marker->state == VoiceState::Complete;
  for (const VoiceLine& line : lines) {
    if (!allThere) break;
    const fs::path path = clipPath(dir, line, marker->format);
    allThere = findFileNoCase(path.parent_path(), path.filename().string())
                   .has_value();
  }
  found.state = allThere ? FolderState::OwnComplete : FolderState::OwnIncomplete;
  return found;
}

bool writeVoiceMarker(const fs::path& dir, ClipFormat format, VoiceState state,
                      std::string_view speaker) {
  const fs::path target = dir / kVoiceMarkerName;
  const fs::path temporary = dir / (std::string(kVoiceMarkerName) + std::string(kPartialClipEnding));
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << kMarkerFirstLine << "\nformat=" << formatExtension(format)
        << "\nstate="
        << (state == VoiceState::Complete ? "complete" : "incomplete") << "\n";
    if (!speaker.empty()) out << "speaker=" << speaker << "\n";
    if (!out.flush()) return false;
  }
  std::error_code error;
  fs::rename(temporary, target, error);
  return !error;
}

RunPlan planVoiceRun(const FolderInspection& folder, ClipFormat wanted,
                     Existing existing, OtherClips other, Coverage coverage) {
  RunPlan plan;
  plan.stateAfter = coverage == Coverage::WholeVoice ? VoiceState::Complete
                                                     : VoiceState::Incomplete;
  // Half-written clips are ours to clear whenever we may write here at all.
  plan.remove = folder.leftovers;
  const auto removeAllClips = [&] {
    plan.remove.insert(plan.remove.end(), folder.clips.begin(), folder.clips.end());
  };
  switch (folder.state) {
    case FolderState::Empty:
      break;
    case FolderState::OtherVoice:
      if (other == OtherClips::Refuse) {
        plan.action = RunAction::Refuse;
        plan.remove.clear();
        return plan;
      }
      removeAllClips();
      break;
    case FolderState::OwnComplete:
    case FolderState::OwnIncomplete:
      if (folder.markedFormat != wanted) {
        // The reader prefers WAV to MP3 to Ogg, so an old format left beside
        // the new one could be the one it reads.
        removeAllClips();
      } else if (coverage == Coverage::ChosenClips) {
        // Clips are replaced one by one, so a complete voice stays complete.
        if (folder.state == FolderState::OwnComplete) {
          plan.stateAfter = VoiceState::Complete;
        }
      } else if (folder.state == FolderState::OwnComplete &&
                 existing == Existing::Keep) {
        plan.action = RunAction::KeepComplete;
        plan.remove.clear();
      } else {
        removeAllClips();
      }
      break;
  }
  return plan;
}

}  // namespace fuda
