#pragma once
// A rectangle on the screen model, in pixels from the top left of the
// window's client area (or of whatever holds the control).

namespace fuda {

struct ScreenBox {
  int x;
  int y;
  int width;
  int height;
};

// A window's size: always its outer frame, caption, borders and menu bar
// included, as Windows sizes a window when it creates it. A front end that
// sizes client areas converts.
struct FrameSize {
  int width;
  int height;
};

}  // namespace fuda
