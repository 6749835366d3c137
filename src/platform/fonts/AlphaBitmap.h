// Glyph coverage as one byte per pixel (0 = background, 255 = full ink).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vh::platform {

struct AlphaBitmap {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> alpha;  // row-major, width * height

  // Outside the bitmap reads as 0.
  uint8_t At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return alpha[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

}  // namespace vh::platform
