#include "draw/BitmapPreview.h"

#include "draw/Present.h"
#include "draw/SurfacePixels.h"

namespace vh::draw {

std::vector<uint32_t> PreviewSurface(const DrawDevice& dd, const SurfaceDesc& surface) {
  std::vector<uint32_t> out = SurfaceToXrgb(surface, dd.ShownPalette);
  if (!surface.colorKey) return out;
  const uint32_t key = detail::TransmitPixel(dd);
  detail::WithPixelType(surface.bytesPerPixel, [&](auto* type) {
    using Pixel = std::remove_pointer_t<decltype(type)>;
    for (int y = 0; y < surface.height; ++y) {
      const Pixel* row = surface.Row<Pixel>(y);
      for (int x = 0; x < surface.width; ++x)
        if (row[x] == static_cast<Pixel>(key))
          out[static_cast<size_t>(y) * surface.width + x] =
              ((x / 8 + y / 8) % 2 == 0) ? kCheckerLight : kCheckerDark;
    }
  });
  return out;
}

}  // namespace vh::draw
