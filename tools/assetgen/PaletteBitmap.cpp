#include "Bmp8Writer.h"
#include "Generators.h"

namespace vh::assetgen {

// 16 x 16 pixels, pixel (x, y) showing entry y * 16 + x: the colour table and
// the top-left 16 x 16 pixels give the same palette, whichever one the loader
// reads, and the top-left pixel is the transmit colour.
bool GeneratePaletteBitmap(const std::filesystem::path& root) {
  IndexedImage image(16, 16);
  for (int i = 0; i < 256; ++i) image.Set(i % 16, i / 16, static_cast<uint8_t>(i));
  return WriteBmp8(root / "bmp" / "Palette.bmp", image, MakeGamePalette());
}

}  // namespace vh::assetgen
