#pragma once
// What the callers of make_voice rely on: its exit statuses and the ending
// of a clip still being written. The first-start dialog includes this
// header; the scripts read the numbers from it (make_voice_status in
// scripts/setup.sh), so every caller agrees with the maker.
#include <string_view>

namespace fuda {

inline constexpr int kMakeVoiceDone = 0;
inline constexpr int kMakeVoiceFailed = 1;
inline constexpr int kMakeVoiceBadUsage = 2;
// The folder holds a recorded voice, which is kept and used as it is.
inline constexpr int kMakeVoiceRecordedVoice = 3;
inline constexpr int kMakeVoiceInterrupted = 130;

// A clip is written under its name with this ending and renamed into place
// only when it is whole.
inline constexpr std::string_view kPartialClipEnding = ".part";

}  // namespace fuda
