// Turning a decoded BMP into a surface of the device's depth (not part of the
// layer's interface).
#pragma once

#include "draw/BmpReader.h"
#include "draw/DrawDevice.h"

namespace vh::draw::detail {

// The palette entry nearest to a colour (the first of equals).
uint8_t NearestPaletteIndex(const Palette& palette, Rgb color);

// Allocates `out` at the picture's size and the device depth and converts the
// pixels: 8-bit through the TruePalette (a colour-table entry equal to the
// palette entry of the same number keeps its number), 16-bit packed RGB565,
// 32-bit XRGB8888. False when the surface cannot be allocated.
bool ConvertImage(const DrawDevice& dd, const BmpImage& image, SurfaceDesc& out);

}  // namespace vh::draw::detail
