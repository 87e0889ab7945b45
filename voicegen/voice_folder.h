#pragma once
// The folder a voice is made in: which clips it holds, whether they are a
// voice this generator made (a marker file says so, with the format and
// whether the voice is complete), and what a run may do there without losing
// anything the user has.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/voice.h"
#include "voicegen/voice_script.h"

namespace fuda {

// Lies beside the verse clips. Without it, clips in the folder belong to
// another voice (a recorded one, most likely).
inline constexpr std::string_view kVoiceMarkerName = ".make_voice";
inline constexpr std::string_view kAnnouncementFolder = "Mesg";

enum class VoiceState { Incomplete, Complete };

enum class FolderState {
  Empty,          // no clip of any voice
  OwnComplete,    // our marker, and every clip in the marker's format
  OwnIncomplete,  // our marker, clips missing (an interrupted run)
  OtherVoice,     // clips without our marker, or in a format it does not name
};

struct FolderInspection {
  FolderState state = FolderState::Empty;
  std::optional<ClipFormat> markedFormat;     // from our marker
  std::string markedSpeaker;  // the synthesiser that spoke it; empty if untold
  std::vector<std::filesystem::path> clips;   // voice clips found, any format
  std::vector<std::filesystem::path> leftovers;  // half-written clips (*.part)
};

std::string_view formatExtension(ClipFormat format);  // "wav", "mp3", "ogg"

// Clip names, like the reader's file names, match without regard to case.
bool sameClipName(std::string_view a, std::string_view b);
std::optional<ClipFormat> formatFromName(std::string_view name);

// Where the clip of `line` lies in a voice folder, in `format`.
std::filesystem::path clipPath(const std::filesystem::path& dir,
                               const VoiceLine& line, ClipFormat format);

// Looks at `dir` for the clips of `lines` (names match without regard to
// case, as the reader matches them).
FolderInspection inspectVoiceFolder(const std::filesystem::path& dir,
                                    std::span<const VoiceLine> lines);

// Written through a temporary file and a rename, so it is never half there.
bool writeVoiceMarker(const std::filesystem::path& dir, ClipFormat format,
                      VoiceState state, std::string_view speaker = {});

enum class Existing { Keep, Rebuild };
enum class OtherClips { Refuse, Overwrite };
enum class Coverage { WholeVoice, ChosenClips };

enum class RunAction { KeepComplete, Make, Refuse };

struct RunPlan {
  RunAction action = RunAction::Make;
  // Removed before making: clips that the new voice would not replace, or
  // that a whole new voice replaces.
  std::vector<std::filesystem::path> remove;
  // The marker's state once the clips are made.
  VoiceState stateAfter = VoiceState::Complete;
};

RunPlan planVoiceRun(const FolderInspection& folder, ClipFormat wanted,
                     Existing existing, OtherClips other, Coverage coverage);

}  // namespace fuda
