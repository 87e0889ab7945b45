#pragma once
// The real ports of one program in one place: the message boxes, the clock,
// the private temporary folder, the shell, the sound output and the worker
// threads, built together and shut down in one order.
#include <string_view>

#include "common/adapters/posix_shell.h"
#include "common/adapters/private_temp_dir.h"
#include "common/adapters/sdl_sound_out.h"
#include "common/adapters/std_worker_threads.h"
#include "common/adapters/system_clock.h"
#include "common/language.h"
#include "common/ui/qt_message_sink.h"

namespace fuda {

class ProgramPorts {
 public:
  // GUI thread, at start. The temporary folder's name begins with
  // `tempPrefix`.
  ProgramPorts(Language language, std::string_view tempPrefix);
  ~ProgramPorts();
  ProgramPorts(const ProgramPorts&) = delete;
  ProgramPorts& operator=(const ProgramPorts&) = delete;

  // GUI thread, at program end: lets go of waiting message boxes, wakes
  // every sleep, silences the sound and refuses later plays, ends the
  // scripts still running, and joins every worker thread. Safe to call twice.
  void shutdown();

  // Declared in the order they are built; they go in reverse.
  QtMessageSink messages;
  SystemClock clock;
  PrivateTempDir tempDir;
  PosixShell shell;
  SdlSoundOut sound;
  StdWorkerThreads threads;
};

}  // namespace fuda
