// Font32.bmp, Font16.bmp and Font10.bmp: 16 x 16 cells, byte code b at column
// b & 15, row b >> 4. ASCII and the half-width katakana codes (rows A..D) get
// their full-width forms, which fill the square cells; the hiragana of the
// same sounds sit in rows 0-1 (codes A6..BF) and 8-9 (codes C0..DD).
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "Bmp8Writer.h"
#include "Generators.h"
#include "platform/fonts/FontLibrary.h"

namespace vh::assetgen {
namespace {

// The full-width forms of the half-width codes A1..DF, in code order.
constexpr const char* kKatakanaCells =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテト"
    "ナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
// The hiragana of codes A6..DD, in code order.
constexpr const char* kHiraganaCells =
    "をぁぃぅぇぉゃゅょっーあいうえおかきくけこさしすせそたちつてと"
    "なにぬねのはひふへほまみむめもやゆよらりるれろわん";

// Splits UTF-8 into one string per character.
std::vector<std::string> Characters(const char* utf8) {
  std::vector<std::string> out;
  for (const char* p = utf8; *p != '\0';) {
    const auto lead = static_cast<unsigned char>(*p);
    const int n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    out.emplace_back(p, n);
    p += n;
  }
  return out;
}

std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

// What each cell of the grid shows (empty string = nothing).
std::array<std::string, 256> CellCharacters() {
  std::array<std::string, 256> cells{};
  for (int c = 0x21; c <= 0x7E; ++c) cells[c] = Utf8(0xFF00 + (c - 0x20));  // full-width ASCII
  const auto kata = Characters(kKatakanaCells);
  for (size_t i = 0; i < kata.size(); ++i) cells[0xA1 + i] = kata[i];
  const auto hira = Characters(kHiraganaCells);
  for (size_t i = 0; i < hira.size(); ++i) {
    const int code = 0xA6 + static_cast<int>(i);
    cells[code <= 0xBF ? code - 0xA0 : code - 0x40] = hira[i];
  }
  return cells;
}

struct FontStyle {
  const char* file;
  int cell;        // cell size in pixels
  int em;          // face size the glyphs are rasterised at
  platform::GlyphRendering rendering;
  bool outline;    // black ring around the ink; otherwise a drop shadow
  bool bold;       // strokes widened by one pixel to the right
  uint8_t inkTop;  // ink colour at the top of a glyph ...
  uint8_t inkBottom;  // ... and at the bottom
};

constexpr int kInkThreshold = 112;

// Draws one glyph into its cell: thresholded ink, shaded top to bottom, with
// a black outline or shadow so texts read over any picture.
void PaintGlyph(IndexedImage& image, const platform::AlphaBitmap& glyph, int cellX, int cellY,
                const FontStyle& style, bool soundMark) {
  const int margin = style.outline ? 1 : 0;
  int ox = cellX + (style.cell - glyph.width) / 2;
  int oy = cellY + margin;
  if (soundMark) {
    // Sound marks go to the top-left corner of their cell, so they sit on
    // the shoulder of the kana before them.
    int inkLeft = glyph.width, inkTop = glyph.height;
    for (int y = 0; y < glyph.height; ++y)
      for (int x = 0; x < glyph.width; ++x)
        if (glyph.At(x, y) >= kInkThreshold) {
          inkLeft = std::min(inkLeft, x);
          inkTop = std::min(inkTop, y);
        }
    ox = cellX + margin - inkLeft;
    oy = cellY + margin - inkTop;
  }
  auto covered = [&](int x, int y) { return glyph.At(x, y) >= kInkThreshold; };
  auto ink = [&](int x, int y) { return covered(x, y) || (style.bold && covered(x - 1, y)); };
  for (int y = -1; y <= glyph.height; ++y) {
    for (int x = -1; x <= glyph.width + 1; ++x) {
      const int px = ox + x, py = oy + y;
      if (px < cellX || py < cellY || px >= cellX + style.cell || py >= cellY + style.cell) continue;
      if (ink(x, y)) {
        const bool upper = y * 2 < glyph.height;
        image.Set(px, py, upper ? style.inkTop : style.inkBottom);
        continue;
      }
      bool edge = false;
      if (style.outline) {
        for (int dy = -1; dy <= 1 && !edge; ++dy)
          for (int dx = -1; dx <= 1 && !edge; ++dx) edge = ink(x + dx, y + dy);
      } else {
        edge = ink(x - 1, y - 1) || ink(x, y - 1) || ink(x - 1, y);
      }
      if (edge) image.Set(px, py, pal::kBlack);
    }
  }
}

bool GenerateFont(const std::filesystem::path& root, platform::FontLibrary& library,
                  const FontStyle& style) {
  std::string error;
  auto face = platform::OpenJapaneseGothic(library, style.em, style.rendering, error);
  if (!face) {
    std::fprintf(stderr, "vh_assetgen: %s: %s\n", style.file, error.c_str());
    return false;
  }
  IndexedImage image(16 * style.cell, 16 * style.cell, pal::kTransmit);
  const auto cells = CellCharacters();
  for (int code = 0; code < 256; ++code) {
    if (cells[code].empty()) continue;
    const bool soundMark = code == 0xDE || code == 0xDF;
    PaintGlyph(image, face->RenderLine(cells[code]), (code & 15) * style.cell,
               (code >> 4) * style.cell, style, soundMark);
  }
  return WriteBmp8(root / "bmp" / style.file, image, MakeGamePalette());
}

}  // namespace

bool GenerateBitmapFonts(const std::filesystem::path& root) {
  std::string error;
  auto library = platform::FontLibrary::Create(error);
  if (!library) {
    std::fprintf(stderr, "vh_assetgen: fonts: %s\n", error.c_str());
    return false;
  }
  const std::array<FontStyle, 3> styles = {{
      {"Font32.bmp", 32, 28, platform::GlyphRendering::Smooth, true, true, pal::kWhite,
       pal::Shade(pal::Ramp::Ice, 5)},
      {"Font16.bmp", 16, 14, platform::GlyphRendering::Mono, true, false, pal::kWhite, pal::kWhite},
      {"Font10.bmp", 10, 9, platform::GlyphRendering::Mono, false, false, pal::kWhite, pal::kWhite},
  }};
  bool ok = true;
  for (const FontStyle& style : styles) ok = GenerateFont(root, *library, style) && ok;
  return ok;
}

}  // namespace vh::assetgen
