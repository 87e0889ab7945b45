#include "tests/ui/ui_test_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fuda::testing {

QApplication& uiApplication() {
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return new QApplication(argc, argv);
  }();
  return *application;
}

namespace {

// Makes the application before any test runs, so that every test may create
// widgets.
class UiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { uiApplication(); }
};

const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new UiEnvironment);

}  // namespace
}  // namespace fuda::testing
