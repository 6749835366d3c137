// Packing and unpacking of the three pixel formats: 8-bit palette indices,
// 16-bit RGB565 and 32-bit XRGB8888 (the X byte is always 0).
#pragma once

#include <cstdint>

namespace vh::draw {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Fields are cut to their width, as a pixel-format mask and shift would.
constexpr uint16_t PackRgb565(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

// The 5/6-bit fields are widened by repeating their top bits, so full
// intensity stays 255 and packing again gives the same pixel.
constexpr Rgb UnpackRgb565(uint16_t p) {
  const int r = (p >> 11) & 0x1F;
  const int g = (p >> 5) & 0x3F;
  const int b = p & 0x1F;
  return {static_cast<uint8_t>((r << 3) | (r >> 2)), static_cast<uint8_t>((g << 2) | (g >> 4)),
          static_cast<uint8_t>((b << 3) | (b >> 2))};
}

constexpr uint32_t PackXrgb(uint8_t r, uint8_t g, uint8_t b) {
  return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
}

constexpr Rgb UnpackXrgb(uint32_t p) {
  return {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
}

}  // namespace vh::draw
