#pragma once
// Waiting in UI tests: Qt's QTRY_ macros report to Qt Test's own log, which
// GoogleTest never sees, so a test waits with this and asserts the result.
#include <QDeadlineTimer>
#include <QTest>
#include <functional>

namespace fuda::testing {

// Runs the event loop until `condition` holds or `timeoutMs` has passed;
// returns whether it held.
inline bool eventually(const std::function<bool()>& condition, int timeoutMs = 5000) {
  QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(5);
  }
  return true;
}

}  // namespace fuda::testing
