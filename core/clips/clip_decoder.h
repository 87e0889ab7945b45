#pragma once
// Turning an MP3 or Ogg Vorbis clip into a WAV file with the external
// decoders ("lame --decode", "oggdec -o"). A small script is written to the
// temporary directory beside an empty marker file; the script runs the
// decoder and then deletes the marker, and the caller polls until the marker
// is gone.
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>

#include "core/ports/clock.h"
#include "core/ports/shell.h"
#include "core/settings/voice.h"

namespace fuda {

inline constexpr std::string_view kDecodeMarkerName = "Lock.dat";
inline constexpr double kDecodePollMs = 10.0;
// A decoder still running after this long is taken as hung.
inline constexpr double kDecodeTimeoutMs = 30000.0;

enum class DecodeResult {
  Finished,     // the script ran to its end; the target may still be missing
  TimedOut,     // cut off after the time limit
  Interrupted,  // the program is shutting down
  NotStarted,   // the script or marker could not be written, or sh not run
};

// The decoder program for `format`: the one in `programDir` when the shell
// finds it there, else the bare name for the shell to find on its path.
std::string decoderProgram(ClipFormat format, const std::filesystem::path& programDir,
                           const Shell& shell);

// What the script does: change to the program directory, run the decoder,
// then delete the marker whatever the decoder did. Every path is absolute.
ScriptSteps decodeSteps(ClipFormat format, std::string_view decoder,
                        const std::filesystem::path& programDir,
                        const std::filesystem::path& source,
                        const std::filesystem::path& target,
                        const std::filesystem::path& marker);

class ClipDecoder {
 public:
  ClipDecoder(std::filesystem::path tempDir, std::filesystem::path programDir, Shell& shell,
              Clock& clock, double timeoutMs = kDecodeTimeoutMs);

  // Reading thread or announcement threads. Decodes `source` into `target`
  // and blocks until the script has ended. Decodes never overlap: they share
  // the script and the marker. The script is removed afterwards; the target
  // is removed unless the decode Finished.
  DecodeResult decode(ClipFormat format, const std::filesystem::path& source,
                      const std::filesystem::path& target);

  std::filesystem::path scriptPath() const { return tempDir_ / shell_.scriptName(); }
  std::filesystem::path markerPath() const { return tempDir_ / std::string(kDecodeMarkerName); }

 private:
  DecodeResult runLocked(ClipFormat format, const std::filesystem::path& source,
                         const std::filesystem::path& target);
  DecodeResult waitForMarker();

  std::filesystem::path tempDir_;
  std::filesystem::path programDir_;
  Shell& shell_;
  Clock& clock_;
  double timeoutMs_;
  std::mutex mutex_;
};

}  // namespace fuda
