#pragma once
// The one way work moves onto the GUI thread: every call from a worker
// thread (the reading thread, an announcement) that touches a widget goes
// through here.
#include <QObject>
#include <functional>

namespace fuda {

// Runs `call` on `context`'s thread: at once when already there, otherwise
// queued onto its event loop. Dropped if `context` is gone by then.
void onGuiThread(QObject* context, std::function<void()> call);
// Always queued, even on the GUI thread: for work that must not run inside
// the event handling that asks for it.
void laterOnGuiThread(QObject* context, std::function<void()> call);

}  // namespace fuda
