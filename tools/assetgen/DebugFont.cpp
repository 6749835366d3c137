#include <cstring>

#include "Bmp8Writer.h"
#include "DebugFontGlyphs.h"
#include "Generators.h"

namespace vh::assetgen {
namespace {

constexpr int kCellW = 8;
constexpr int kCellH = 16;
// Where glyph row 0, column 0 lands inside its cell.
constexpr int kInkX = 1;
constexpr int kInkY = 3;

bool Ink(const DebugGlyph& glyph, int col, int row) {
  if (row < 0 || row >= kDebugGlyphRows || col < 0) return false;
  const char* line = glyph[row];
  return line != nullptr && col < static_cast<int>(std::strlen(line)) && line[col] == '#';
}

// White with a black outline, so the diagnostics stay readable over any
// picture.
void DrawGlyph(IndexedImage& image, const DebugGlyph& glyph, int cellX, int cellY) {
  auto ink = [&glyph](int col, int row) { return Ink(glyph, col, row); };
  for (int row = -1; row <= kDebugGlyphRows; ++row) {
    for (int col = -1; col <= kDebugGlyphWidth; ++col) {
      const int x = cellX + kInkX + col, y = cellY + kInkY + row;
      if (ink(col, row)) {
        image.Set(x, y, pal::kWhite);
        continue;
      }
      bool edge = false;
      for (int dy = -1; dy <= 1 && !edge; ++dy)
        for (int dx = -1; dx <= 1 && !edge; ++dx) edge = ink(col + dx, row + dy);
      if (edge) image.Set(x, y, pal::kBlack);
    }
  }
}

}  // namespace

// 16 x 16 cells of 8 x 16 pixels, byte b at column b & 15, row b >> 4; only
// the printable ASCII cells hold glyphs. The background is the transmit colour.
bool GenerateDebugFont(const std::filesystem::path& root) {
  IndexedImage image(16 * kCellW, 16 * kCellH, pal::kTransmit);
  const auto& glyphs = DebugGlyphs();
  for (int code = 0x20; code <= 0x7E; ++code) {
    DrawGlyph(image, glyphs[code - 0x20], (code & 15) * kCellW, (code >> 4) * kCellH);
  }
  return WriteBmp8(root / "bmp" / "Debug.bmp", image, MakeGamePalette());
}

}  // namespace vh::assetgen
