#include "draw/SurfacePixels.h"

#include <new>

#include "draw/PixelFormat.h"

namespace vh::draw::detail {

bool AllocatePixels(SurfaceDesc& s, int width, int height, int bytesPerPixel) {
  if (width < 0 || height < 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
      static_cast<int64_t>(width) * height > kMaxSurfacePixels)
    return false;
  try {
    s.pixels.assign(static_cast<size_t>(width) * height * bytesPerPixel, 0);
  } catch (const std::bad_alloc&) {
    s.pixels = {};
    return false;
  }
  s.width = s.textureWidth = width;
  s.height = s.textureHeight = height;
  s.bytesPerPixel = bytesPerPixel;
  s.pitch = width * bytesPerPixel;
  return true;
}

void FillPixels(SurfaceDesc& s, int x, int y, int w, int h, uint32_t value) {
  WithPixelType(s.bytesPerPixel, [&](auto* type) {
    using Pixel = std::remove_pointer_t<decltype(type)>;
    for (int row = y; row < y + h; ++row) {
      Pixel* p = s.Row<Pixel>(row) + x;
      std::fill(p, p + w, static_cast<Pixel>(value));
    }
  });
}

uint32_t TransmitPixel(const DrawDevice& dd) {
  switch (dd.BytesPerPixel) {
    case 1: return dd.transmit.byTransmit_8;
    case 2: return dd.transmit.wTransmit_16;
    default: return dd.transmit.dwTransmit_32;
  }
}

void SetTransmitColor(DrawDevice& dd, uint8_t r, uint8_t g, uint8_t b, uint8_t index) {
  dd.transmit.rgbTransmit.rgbtRed = r;
  dd.transmit.rgbTransmit.rgbtGreen = g;
  dd.transmit.rgbTransmit.rgbtBlue = b;
  dd.transmit.wTransmit_16 = PackRgb565(r, g, b);
  dd.transmit.dwTransmit_32 = PackXrgb(r, g, b);
  dd.transmit.byTransmit_8 = index;
}

}  // namespace vh::draw::detail
