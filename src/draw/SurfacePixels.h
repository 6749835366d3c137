// Pixel-level helpers shared by the drawing operations (not part of the
// layer's interface).
#pragma once

#include <algorithm>
#include <cstdint>

#include "draw/DrawDevice.h"

namespace vh::draw::detail {

// Calls f with a null pointer of the pixel type of a surface depth in bytes.
template <class F>
decltype(auto) WithPixelType(int bytesPerPixel, F&& f) {
  switch (bytesPerPixel) {
    case 1: return f(static_cast<uint8_t*>(nullptr));
    case 2: return f(static_cast<uint16_t*>(nullptr));
    default: return f(static_cast<uint32_t*>(nullptr));
  }
}

// Gives the surface width x height pixels of the depth (contents zero).
// Refuses sizes that are negative or beyond the limits, and allocation failures.
bool AllocatePixels(SurfaceDesc& s, int width, int height, int bytesPerPixel);

// Fills a rectangle that already lies inside the surface.
void FillPixels(SurfaceDesc& s, int x, int y, int w, int h, uint32_t value);

// The colour key of the device depth: a palette index, an RGB565 or an XRGB value.
uint32_t TransmitPixel(const DrawDevice& dd);

// Sets every field of the transmit colour from one colour (and, at 8 bits, its index).
void SetTransmitColor(DrawDevice& dd, uint8_t r, uint8_t g, uint8_t b, uint8_t index);

}  // namespace vh::draw::detail
