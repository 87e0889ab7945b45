#pragma once
// Waiting in UI tests: Qt's QTRY_ macros report to Qt Test's own log, which
// GoogleTest never sees, so a test waits with this and asserts the result.
#include <QTest>
#include <functional>

#include "tests/support/poll_until.h"

namespace fuda::testing {

// Runs the event loop until `condition` holds or `timeoutMs` has passed.
inline bool eventually(const std::function<bool()>& condition, int timeoutMs = 5000) {
  return pollUntil(condition, Millis(timeoutMs), [] { QTest::qWait(5); });
}

}  // namespace fuda::testing
