#pragma once
// What the tests of both timer windows share: the fakes of the ports in
// virtual time, and a driver that ticks a window every 10 ms as its timer
// would.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <functional>
#include <vector>

#include "core/countdown/announcer.h"
#include "tests/fakes/fake_ports.h"

namespace fuda::testing {

struct TimerPorts {
  VirtualClock clock;
  RecordingSound sound{clock};
  RecordingMessages messages;
  FakeClipSource clips{messages};
  InlineThreads threads;
  Announcer announcer{threads, clips, sound};
  std::vector<double> pauses;  // the input-free waits asked for, in ms

  // The wait after a start announcement, in virtual time.
  std::function<void(double)> pause() {
    return [this](double ms) {
      pauses.push_back(ms);
      clock.sleepMs(ms);
    };
  }
};

// Ticks every 10 ms of virtual time until `untilMs` or until `stop` says so.
template <typename Window>
void tickUntil(Window& window, VirtualClock& clock, double untilMs,
               const std::function<bool()>& stop = [] { return false; }) {
  while (clock.nowMs() < untilMs && !stop()) {
    clock.advanceTo(clock.nowMs() + 10.0);
    window.tick();
  }
}

// The popup's items top to bottom: ids, "-" for separators.
inline QStringList menuLayout(const QMenu* menu) {
  QStringList items;
  for (const QAction* action : menu->actions())
    items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
  return items;
}

inline QStringList menuCaptions(const QMenu* menu) {
  QStringList items;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator()) items << action->text();
  return items;
}

}  // namespace fuda::testing
