#pragma once
// Port: every port of one program in one object, with the order in which
// they are shut down. main() builds the real one for its platform and passes
// it into the program; tests pass one of fakes.
#include <filesystem>

#include "core/clips/wav_clip.h"
#include "core/ports/clock.h"
#include "core/ports/message_sink.h"
#include "core/ports/shell.h"
#include "core/ports/sound_out.h"
#include "core/ports/worker_threads.h"

namespace fuda {


class ProgramPorts {
 public:
  virtual ~ProgramPorts() = default;

  virtual MessageSink& messages() = 0;
  virtual Clock& clock() = 0;
  virtual Shell& shell() = 0;
  virtual SoundOut& sound() = 0;
  virtual WorkerThreads& threads() = 0;
  // The program's private temporary folder, for decoded clips.
  virtual const std::filesystem::path& tempDir() const = 0;
  // The in-program Ogg Vorbis decoder, where no decoder program can be
  // counted on; null: Ogg clips go through the shell's decoder program.
  virtual OggFileDecoder oggDecoder() const { return nullptr; }

  // GUI thread, at program end, in this order: message boxes let go of the
  // workers waiting on them, every sleep wakes, the sound stops and refuses
  // later plays, running scripts are ended, and every worker thread is
  // joined. Safe to call twice.
  virtual void shutdown();
};

}  // namespace fuda
