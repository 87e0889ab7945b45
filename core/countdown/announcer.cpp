#include "core/countdown/announcer.h"

#include <string>

namespace fuda {

Announcer::Announcer(WorkerThreads& threads, ClipSource& clips, SoundOut& sound)
    : threads_(threads), clips_(clips), sound_(sound) {}

void Announcer::announce(std::string_view name) {
  const std::uint64_t ticket = ++lastTicket_;
  threads_.start([this, ticket, name = std::string(name)] {
    play(ticket, name, Waiting::ReturnAtStart);
  });
}

void Announcer::announceAndWait(std::string_view name) {
  play(++lastTicket_, name, Waiting::UntilHeard);
}

void Announcer::play(std::uint64_t ticket, std::string_view name, Waiting waiting) {
  // Loading may decode for a while and may wait for a message box; it holds
  // no lock, so it never blocks another announcement or the GUI thread.
  ClipRef clip = clips_.load(ClipFolder::Announcements, name);
  if (!clip) return;

  std::lock_guard lock(startMutex_);
  if (ticket < newestStarted_) return;
  newestStarted_ = ticket;
  // The start happens under the lock, so no older announcement can slip in
  // between the check and the start. A waiting play keeps the lock: older
  // ones that finish loading meanwhile then find themselves superseded.
  if (waiting == Waiting::UntilHeard) {
    sound_.playSync(std::move(clip));
  } else {
    sound_.playAsync(std::move(clip));
  }
}

}  // namespace fuda
