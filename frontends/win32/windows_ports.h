#pragma once
// The real ports of one Windows program in one place: the message boxes,
// the clock, the private temporary folder, the batch-file shell, the
// wave-out sound and the worker threads, built together and shut down in
// the order ProgramPorts gives.
#include <string_view>

#include "adapters/private_temp_dir.h"
#include "adapters/stb/ogg_vorbis_clip.h"
#include "adapters/std/std_worker_threads.h"
#include "adapters/std/system_clock.h"
#include "core/ports/program_ports.h"
#include "core/texts/language.h"
#include "adapters/win32/wave_out_sound_out.h"
#include "adapters/win32/windows_shell.h"
#include "frontends/win32/win32_message_sink.h"

namespace fuda {

class WindowsPorts : public ProgramPorts {
 public:
  // GUI thread, at start. The temporary folder's name begins with
  // `tempPrefix`; `language` is the one of the notices the ports give.
  WindowsPorts(Language language, std::string_view tempPrefix);
  ~WindowsPorts() override;
  WindowsPorts(const WindowsPorts&) = delete;
  WindowsPorts& operator=(const WindowsPorts&) = delete;

  MessageSink& messages() override { return messages_; }
  Clock& clock() override { return clock_; }
  Shell& shell() override { return shell_; }
  SoundOut& sound() override { return sound_; }
  WorkerThreads& threads() override { return threads_; }
  const std::filesystem::path& tempDir() const override { return tempDir_.path(); }
  // No Ogg decoder program can be counted on: the bundled voice is Ogg.
  OggFileDecoder oggDecoder() const override { return loadOggVorbisFile; }
  // GUI thread: the main window, which boxes owned by it stand over.
  void setMessageOwner(HWND window) { messages_.setOwnerWindow(window); }

 private:
  // Declared in the order they are built; they go in reverse.
  Win32MessageSink messages_;
  SystemClock clock_;
  PrivateTempDir tempDir_;
  WindowsShell shell_;
  WaveOutSoundOut sound_;
  StdWorkerThreads threads_;
};

}  // namespace fuda
