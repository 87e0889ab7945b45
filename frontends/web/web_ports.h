#pragma once
// The real ports of the reader in a page: the page's message boxes, the
// clock on the page's monotonic time, worker threads (web workers), the
// audio worklet's sound, and no command interpreter: clips are decoded in the
// program, so nothing is ever run.
#include <cstdint>

#include "adapters/std/std_worker_threads.h"
#include "adapters/std/system_clock.h"
#include "core/ports/program_ports.h"
#include "core/texts/language.h"
#include "frontends/web/web_message_sink.h"
#include "frontends/web/web_sound_out.h"

namespace fuda {

// A shell that starts nothing: MP3 clips, which need a decoder program on
// the desktop, are reported as unreadable.
class NoShell : public Shell {
 public:
  // Any thread.
  std::string scriptName() const override { return "decode"; }
  std::string scriptText(const ScriptSteps&) const override { return {}; }
  std::optional<std::filesystem::path> ownProgram(const std::filesystem::path&,
                                                  std::string_view) const override {
    return std::nullopt;
  }
  ShellStart startScript(const std::filesystem::path&, const std::filesystem::path&) override {
    return ShellStart::Failed;
  }
};

class WebPorts : public ProgramPorts {
 public:
  // Core thread, at start. `sampleRate`: the page's audio context's.
  WebPorts(Language language, std::uint32_t sampleRate);
  WebPorts(const WebPorts&) = delete;
  WebPorts& operator=(const WebPorts&) = delete;

  WebMessageSink& messages() override { return messages_; }
  Clock& clock() override { return clock_; }
  Shell& shell() override { return shell_; }
  WebSoundOut& sound() override { return sound_; }
  WorkerThreads& threads() override { return threads_; }
  const std::filesystem::path& tempDir() const override { return tempDir_; }
  OggFileDecoder oggDecoder() const override;

 private:
  // Declared in the order they are built; they go in reverse.
  WebMessageSink messages_;
  SystemClock clock_;
  std::filesystem::path tempDir_;
  NoShell shell_;
  WebSoundOut sound_;
  StdWorkerThreads threads_;
};

}  // namespace fuda
