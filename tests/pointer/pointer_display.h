#pragma once
// The pointer tests run their Qt windows on an X server of their own (Xvfb)
// and move the real pointer with xdotool: grabs, warps, double-clicks and
// clicks travelling from a control to its parent happen as they do for a
// player, which Qt Test's synthetic events skip.
#include <QPoint>
#include <string>

namespace fuda::testing {

class PointerDisplay {
 public:
  // Null when Xvfb or xdotool is missing: the tests then skip.
  static const PointerDisplay* get();

  // Runs xdotool on the test's display; false if it failed.
  bool xdotool(const std::string& arguments) const;
  // Where the pointer is now, in screen coordinates.
  QPoint pointer() const;
  // Moves the pointer to `to` (screen coordinates), then does `then` there
  // (xdotool commands such as "click 3").
  bool at(QPoint to, const std::string& then = "") const;
};

}  // namespace fuda::testing
