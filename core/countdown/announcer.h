#pragma once
// The recorded announcements of the memorisation countdown ("anki_s",
// "anki_5", "nifun", "shiai_s"), taken from the voice's announcement folder.
// Each is loaded (and decoded, for a compressed voice) away from the GUI
// thread so the countdown never stalls.
//
// Starting a clip stops the one playing, so two announcements close together
// cut each other. The one asked for last always wins: an older announcement
// whose loading finishes after a newer one has started is dropped rather
// than cutting the newer one short.
#include <cstdint>
#include <mutex>
#include <string_view>

#include "core/clips/clip_source.h"
#include "core/ports/sound_out.h"
#include "core/ports/worker_threads.h"

namespace fuda {

class Announcer {
 public:
  // Every port outlives the announcer, and the announcer outlives the
  // threads it starts (joined through `threads` at shutdown).
  Announcer(WorkerThreads& threads, ClipSource& clips, SoundOut& sound);

  // GUI thread. Loads and starts `name` on a thread of its own and returns
  // at once. A missing clip is reported by the clip source on that thread.
  void announce(std::string_view name);

  // GUI thread. Loads and plays `name` on the calling thread and returns
  // when it has been heard to its end (or cut short by a stop or shutdown).
  void announceAndWait(std::string_view name);

 private:
  enum class Waiting { ReturnAtStart, UntilHeard };
  void play(std::uint64_t ticket, std::string_view name, Waiting waiting);

  WorkerThreads& threads_;
  ClipSource& clips_;
  SoundOut& sound_;
  std::uint64_t lastTicket_ = 0;  // GUI thread only
  std::mutex startMutex_;         // guards newestStarted_ and the start itself
  std::uint64_t newestStarted_ = 0;
};

}  // namespace fuda
