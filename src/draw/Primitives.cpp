#include "draw/Primitives.h"

#include <algorithm>
#include <string>

#include "draw/PixelFormat.h"
#include "draw/SurfacePixels.h"
#include "platform/Diagnostics.h"

namespace vh::draw {

uint32_t PalNumToPixel(const DrawDevice& dd, int palNum) {
  if (palNum < 0 || palNum > 255) {
    dd.diag.DebugLog("PalNumToRGB(DWORD dwPalNum) Err dwPalNum = " + std::to_string(palNum));
    palNum = 0;
  }
  if (dd.Direct3D && palNum == 0) return detail::TransmitPixel(dd);
  const PaletteEntry& e = dd.TruePalette[palNum];
  switch (dd.BytesPerPixel) {
    case 1: return static_cast<uint32_t>(palNum);
    case 2: return PackRgb565(e.red, e.green, e.blue);
    default: return PackXrgb(e.red, e.green, e.blue);
  }
}

int DDFillRect(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h, int palNum) {
  const uint32_t value = PalNumToPixel(dd, palNum);
  if (!dst.Exists() || w <= 0 || h <= 0) return 0;
  const int64_t left = std::max<int64_t>(x, 0);
  const int64_t top = std::max<int64_t>(y, 0);
  const int64_t right = std::min<int64_t>(int64_t{x} + w, dst.width);
  const int64_t bottom = std::min<int64_t>(int64_t{y} + h, dst.height);
  if (left >= right || top >= bottom) return 0;
  detail::FillPixels(dst, static_cast<int>(left), static_cast<int>(top),
                     static_cast<int>(right - left), static_cast<int>(bottom - top), value);
  return 1;
}

int DDClear(const DrawDevice& dd, SurfaceDesc& dst, int palNum) {
  return DDFillRect(dd, dst, 0, 0, dst.width, dst.height, palNum);
}

int DDFrameRect(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h, int thickness,
                int palNum) {
  if (w <= 0 || h <= 0 || thickness <= 0) return 0;
  const int t = std::min({thickness, w, h});
  const int side = h - 2 * t;
  int drawn = DDFillRect(dd, dst, x, y, w, t, palNum);
  drawn |= DDFillRect(dd, dst, x, y + h - t, w, t, palNum);
  if (side > 0) {
    drawn |= DDFillRect(dd, dst, x, y + t, t, side, palNum);
    drawn |= DDFillRect(dd, dst, x + w - t, y + t, t, side, palNum);
  }
  return drawn;
}

}  // namespace vh::draw
