#include "draw/Present.h"

#include <array>

#include "draw/PixelFormat.h"

namespace vh::draw {
namespace {

void ToXrgb(const SurfaceDesc& s, const Palette& palette, uint32_t* out) {
  std::array<uint32_t, kPaletteSize> colors;
  for (int i = 0; i < kPaletteSize; ++i)
    colors[i] = PackXrgb(palette[i].red, palette[i].green, palette[i].blue);
  // Local sizes: the output could otherwise alias the surface's fields.
  const int width = s.width;
  const int height = s.height;
  for (int y = 0; y < height; ++y) {
    uint32_t* o = out + static_cast<size_t>(y) * width;
    if (s.bytesPerPixel == 1) {
      const uint8_t* row = s.Row<uint8_t>(y);
      for (int x = 0; x < width; ++x) o[x] = colors[row[x]];
    } else if (s.bytesPerPixel == 2) {
      // The widening of UnpackRgb565, written out so the loop vectorises.
      const uint16_t* row = s.Row<uint16_t>(y);
      for (int x = 0; x < width; ++x) {
        const uint32_t p = row[x];
        const uint32_t r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
        o[x] = (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
      }
    } else {
      const uint32_t* row = s.Row<uint32_t>(y);
      for (int x = 0; x < width; ++x) o[x] = row[x] & 0xFFFFFF;
    }
  }
}

}  // namespace

void ComposeFrame(const DrawDevice& dd, std::span<uint32_t> out) {
  const SurfaceDesc& b = dd.BackBuffer;
  if (out.size() < static_cast<size_t>(b.width) * b.height) return;
  ToXrgb(b, dd.ShownPalette, out.data());
}

std::vector<uint32_t> ComposeFrame(const DrawDevice& dd) {
  std::vector<uint32_t> out(static_cast<size_t>(dd.BackBuffer.width) * dd.BackBuffer.height);
  ComposeFrame(dd, out);
  return out;
}

std::vector<uint32_t> SurfaceToXrgb(const SurfaceDesc& surface, const Palette& palette) {
  std::vector<uint32_t> out(static_cast<size_t>(surface.width) * surface.height);
  ToXrgb(surface, palette, out.data());
  return out;
}

}  // namespace vh::draw
