#pragma once
// Moving a top-level window to a chosen corner without losing it: offsets
// from the settings file can point anywhere, so the window is pulled back
// onto the screen that holds the chosen point (or the nearest one) whole.
#include <QPoint>

class QWidget;

namespace fuda {

// GUI thread. Moves `window`, frame included, so that its top-left corner
// lies at `topLeft`, or as near as keeps the whole window on a screen. A
// window not shown yet is taken to get a frame like its owner's.
void placeWindowAt(QWidget* window, QPoint topLeft);

}  // namespace fuda
