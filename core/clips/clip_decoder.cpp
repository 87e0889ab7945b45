#include "core/clips/clip_decoder.h"

#include <fstream>

#include "core/encoding/utf8_path.h"

namespace fuda {

namespace {

std::filesystem::path absolutePath(const std::filesystem::path& path) {
  // The script changes to the program directory first, so a path relative to
  // ours would point elsewhere there.
  std::error_code error;
  auto absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute;
}

bool writeFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return static_cast<bool>(out);
}

void removeQuietly(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::remove(path, error);
}

}  // namespace

std::string decoderProgram(ClipFormat format, const std::filesystem::path& programDir,
                           const Shell& shell) {
  const std::string name = format == ClipFormat::Ogg ? "oggdec" : "lame";
  if (!programDir.empty()) {
    if (auto own = shell.ownProgram(absolutePath(programDir), name)) return utf8FromPath(*own);
  }
  return name;
}

ScriptSteps decodeSteps(ClipFormat format, std::string_view decoder,
                        const std::filesystem::path& programDir,
                        const std::filesystem::path& source,
                        const std::filesystem::path& target,
                        const std::filesystem::path& marker) {
  ScriptSteps steps;
  steps.workingDir = absolutePath(programDir);
  steps.program = std::string(decoder);
  const std::string sourcePath = utf8FromPath(absolutePath(source));
  const std::string targetPath = utf8FromPath(absolutePath(target));
  if (format == ClipFormat::Ogg)
    steps.arguments = {"-o", targetPath, sourcePath};
  else
    steps.arguments = {"--decode", sourcePath, targetPath};
  steps.marker = absolutePath(marker);
  return steps;
}

ClipDecoder::ClipDecoder(std::filesystem::path tempDir, std::filesystem::path programDir,
                         Shell& shell, Clock& clock, double timeoutMs)
    : tempDir_(std::move(tempDir)),
      programDir_(std::move(programDir)),
      shell_(shell),
      clock_(clock),
      timeoutMs_(timeoutMs) {}

DecodeResult ClipDecoder::decode(ClipFormat format, const std::filesystem::path& source,
                                 const std::filesystem::path& target) {
  // Without our own directory there is nowhere safe to write; never fall
  // back to the current directory.
  if (tempDir_.empty()) return DecodeResult::NotStarted;
  std::lock_guard lock(mutex_);
  // A file left by an earlier, cut-off decode must not pass for this output.
  removeQuietly(target);
  const DecodeResult result = runLocked(format, source, target);
  removeQuietly(scriptPath());
  removeQuietly(markerPath());
  if (result != DecodeResult::Finished) removeQuietly(target);
  return result;
}

DecodeResult ClipDecoder::runLocked(ClipFormat format, const std::filesystem::path& source,
                                    const std::filesystem::path& target) {
  const ScriptSteps steps = decodeSteps(format, decoderProgram(format, programDir_, shell_),
                                        programDir_, source, target, markerPath());
  if (!writeFile(scriptPath(), shell_.scriptText(steps))) return DecodeResult::NotStarted;
  if (!writeFile(markerPath(), "")) return DecodeResult::NotStarted;
  if (shell_.startScript(scriptPath(), tempDir_) != ShellStart::Started)
    return DecodeResult::NotStarted;
  const DecodeResult result = waitForMarker();
  if (result != DecodeResult::Finished) shell_.stopScripts();
  return result;
}

DecodeResult ClipDecoder::waitForMarker() {
  const double deadline = clock_.nowMs() + timeoutMs_;
  for (;;) {
    if (clock_.sleepMs(kDecodePollMs) == SleepResult::Interrupted)
      return DecodeResult::Interrupted;
    std::error_code error;
    if (!std::filesystem::exists(markerPath(), error) && !error) return DecodeResult::Finished;
    if (clock_.nowMs() >= deadline) return DecodeResult::TimedOut;
  }
}

}  // namespace fuda
