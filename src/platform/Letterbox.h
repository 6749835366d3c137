// Where the 640 x 480 picture sits in a window or screen of any size, and
// the way back from a window position to a picture position.
#pragma once

namespace vh::platform {

struct Viewport {
  int x = 0, y = 0;           // top-left corner in output pixels
  int width = 0, height = 0;  // size in output pixels
};

// The largest whole-number scale that fits, centred with black bars; an
// output smaller than the picture gets the picture shrunk to fit, keeping
// its shape.
Viewport FitPicture(int outputWidth, int outputHeight);

// The window scale that fits comfortably on a desktop work area of the given
// size (room left for the title bar and frame); at least 1.
int ComfortableWindowScale(int usableWidth, int usableHeight);

struct PicturePoint {
  int x = 0, y = 0;
};

// A position in output pixels mapped into the picture, clamped to
// 0..639 and 0..479.
PicturePoint OutputToPicture(const Viewport& viewport, int outputX, int outputY);

}  // namespace vh::platform
