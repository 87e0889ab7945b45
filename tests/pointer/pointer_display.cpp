#include "tests/pointer/pointer_display.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/fakes/temp_folder.h"
#include "tests/integration/program_process.h"

namespace fuda::testing {

namespace {

TempFolder* folder = nullptr;
VirtualDisplay* display = nullptr;
QApplication* application = nullptr;

// The X server comes first, then the one QApplication of the binary on it.
class PointerEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    folder = new TempFolder;
    display = new VirtualDisplay(folder->path());
    if (display->available()) {
      setenv("DISPLAY", display->name().c_str(), 1);
      setenv("QT_QPA_PLATFORM", "xcb", 1);
    } else {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static int argc = 1;
    static char name[] = "pointer_tests";
    static char* argv[] = {name, nullptr};
    application = new QApplication(argc, argv);
  }
  void TearDown() override {
    delete application;
    delete display;
    delete folder;
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new PointerEnvironment);

}  // namespace

const PointerDisplay* PointerDisplay::get() {
  static const PointerDisplay instance;
  return display != nullptr && display->available() ? &instance : nullptr;
}

bool PointerDisplay::xdotool(const std::string& arguments) const {
  return display->xdotool(arguments).has_value();
}

QPoint PointerDisplay::pointer() const {
  // "x:12 y:34 screen:0 window:56"
  const auto line = display->xdotool("getmouselocation");
  int x = -1;
  int y = -1;
  if (line) std::sscanf(line->c_str(), "x:%d y:%d", &x, &y);
  return {x, y};
}

bool PointerDisplay::at(QPoint to, const std::string& then) const {
  return xdotool("mousemove " + std::to_string(to.x()) + " " + std::to_string(to.y()) + " " +
                 then);
}

}  // namespace fuda::testing
