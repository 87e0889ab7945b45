#pragma once
// The real ports of one program on Linux: Qt's message boxes, the system
// clock, the private temporary folder, the POSIX shell, SDL2's sound output
// and the worker threads, built together and shut down in one order.
#include <string_view>

#include "adapters/posix/posix_shell.h"
#include "adapters/private_temp_dir.h"
#include "adapters/sdl/sdl_sound_out.h"
#include "adapters/std/std_worker_threads.h"
#include "adapters/std/system_clock.h"
#include "core/texts/language.h"
#include "core/ports/program_ports.h"
#include "frontends/qt/qt_message_sink.h"

namespace fuda {

class LinuxPorts : public ProgramPorts {
 public:
  // GUI thread, at start. The temporary folder's name begins with
  // `tempPrefix`.
  LinuxPorts(Language language, std::string_view tempPrefix);
  ~LinuxPorts() override;
  LinuxPorts(const LinuxPorts&) = delete;
  LinuxPorts& operator=(const LinuxPorts&) = delete;

  MessageSink& messages() override { return messages_; }
  Clock& clock() override { return clock_; }
  Shell& shell() override { return shell_; }
  SoundOut& sound() override { return sound_; }
  WorkerThreads& threads() override { return threads_; }
  const std::filesystem::path& tempDir() const override { return tempDir_.path(); }

  // The message boxes stand over this window once it exists.
  void setMessageOwner(QWidget* owner) { messages_.setOwner(owner); }

 private:
  // Declared in the order they are built; they go in reverse.
  QtMessageSink messages_;
  SystemClock clock_;
  PrivateTempDir tempDir_;
  PosixShell shell_;
  SdlSoundOut sound_;
  StdWorkerThreads threads_;
};

}  // namespace fuda
