#pragma once
// One QApplication for the whole UI test binary, on the offscreen platform.
#include <QApplication>

namespace fuda::testing {

QApplication& uiApplication();

}  // namespace fuda::testing
