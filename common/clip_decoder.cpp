#include "common/clip_decoder.h"

#include <unistd.h>

#include <fstream>

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

std::string shellQuote(std::string_view text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  quoted += '\'';
  return quoted;
}

std::string decoderProgram(ClipFormat format, const std::filesystem::path& programDir) {
  const std::string name = format == ClipFormat::Ogg ? "oggdec" : "lame";
  if (!programDir.empty()) {
    const auto own = absolutePath(programDir / name);
    std::error_code error;
    if (std::filesystem::is_regular_file(own, error) && access(own.c_str(), X_OK) == 0)
      return own.string();
  }
  return name;
}

std::string decodeScript(ClipFormat format, std::string_view decoder,
                         const std::filesystem::path& programDir,
                         const std::filesystem::path& source,
                         const std::filesystem::path& target,
                         const std::filesystem::path& marker) {
  const std::string sourceWord = shellQuote(absolutePath(source).string());
  const std::string targetWord = shellQuote(absolutePath(target).string());
  std::string script;
  script += "cd " + shellQuote(absolutePath(programDir).string()) + "\n";
  if (format == ClipFormat::Ogg)
    script += shellQuote(decoder) + " -o " + targetWord + " " + sourceWord + "\n";
  else
    script += shellQuote(decoder) + " --decode " + sourceWord + " " + targetWord + "\n";
  script += "rm -f " + shellQuote(absolutePath(marker).string()) + "\n";
  return script;
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
  const std::string script = decodeScript(format, decoderProgram(format, programDir_),
                                          programDir_, source, target, markerPath());
  if (!writeFile(scriptPath(), script)) return DecodeResult::NotStarted;
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
