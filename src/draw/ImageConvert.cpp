#include "draw/ImageConvert.h"

#include <array>
#include <unordered_map>

#include "draw/SurfacePixels.h"

namespace vh::draw::detail {
namespace {

uint32_t ColorToPixel(const DrawDevice& dd, Rgb c) {
  if (dd.BytesPerPixel == 2) return PackRgb565(c.red, c.green, c.blue);
  return PackXrgb(c.red, c.green, c.blue);
}

// Pixel values for every possible index of a palette picture.
std::array<uint32_t, 256> IndexTable(const DrawDevice& dd, const BmpImage& image) {
  std::array<uint32_t, 256> table{};
  for (int i = 0; i < 256; ++i) {
    const Rgb c = i < static_cast<int>(image.colorTable.size()) ? image.colorTable[i] : Rgb{};
    if (dd.BytesPerPixel != 1) {
      table[i] = ColorToPixel(dd, c);
      continue;
    }
    const PaletteEntry& same = dd.TruePalette[i];
    const bool identical = i < static_cast<int>(image.colorTable.size()) &&
                           same.red == c.red && same.green == c.green && same.blue == c.blue;
    table[i] = identical ? static_cast<uint32_t>(i) : NearestPaletteIndex(dd.TruePalette, c);
  }
  return table;
}

template <class Pixel>
void ConvertPixels(const DrawDevice& dd, const BmpImage& image, SurfaceDesc& out) {
  if (image.Paletted()) {
    const std::array<uint32_t, 256> table = IndexTable(dd, image);
    for (int y = 0; y < image.height; ++y) {
      const uint8_t* in = image.indices.data() + static_cast<size_t>(y) * image.width;
      Pixel* row = out.Row<Pixel>(y);
      for (int x = 0; x < image.width; ++x) row[x] = static_cast<Pixel>(table[in[x]]);
    }
    return;
  }
  std::unordered_map<uint32_t, uint8_t> nearest;  // 8-bit only: colour -> palette number
  for (int y = 0; y < image.height; ++y) {
    const uint32_t* in = image.colors.data() + static_cast<size_t>(y) * image.width;
    Pixel* row = out.Row<Pixel>(y);
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = UnpackXrgb(in[x]);
      if constexpr (sizeof(Pixel) == 1) {
        auto [it, added] = nearest.try_emplace(in[x], 0);
        if (added) it->second = NearestPaletteIndex(dd.TruePalette, c);
        row[x] = it->second;
      } else {
        row[x] = static_cast<Pixel>(ColorToPixel(dd, c));
      }
    }
  }
}

}  // namespace

uint8_t NearestPaletteIndex(const Palette& palette, Rgb color) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < kPaletteSize; ++i) {
    const int dr = palette[i].red - color.red;
    const int dg = palette[i].green - color.green;
    const int db = palette[i].blue - color.blue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
      if (distance == 0) break;
    }
  }
  return static_cast<uint8_t>(best);
}

bool ConvertImage(const DrawDevice& dd, const BmpImage& image, SurfaceDesc& out) {
  if (!AllocatePixels(out, image.width, image.height, dd.BytesPerPixel)) return false;
  WithPixelType(dd.BytesPerPixel, [&](auto* type) {
    ConvertPixels<std::remove_pointer_t<decltype(type)>>(dd, image, out);
  });
  return true;
}

}  // namespace vh::draw::detail
