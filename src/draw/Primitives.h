// Filled rectangles and frames in palette colours.
#pragma once

#include <cstdint>

#include "draw/DrawDevice.h"

namespace vh::draw {

// The pixel value of a palette number in the device's depth. Palette number 0
// is the transmit colour with the accelerated kind; numbers above 255 are
// logged and treated as 0.
uint32_t PalNumToPixel(const DrawDevice& dd, int palNum);

int DDFillRect(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h, int palNum);
int DDClear(const DrawDevice& dd, SurfaceDesc& dst, int palNum);

// Four filled bands of the given thickness along the inside of the rectangle.
int DDFrameRect(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h, int thickness,
                int palNum);

}  // namespace vh::draw
