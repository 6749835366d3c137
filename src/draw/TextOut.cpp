#include "draw/TextOut.h"

#include <cstdarg>
#include <cstdio>

#include "draw/Blit.h"

namespace vh::draw {

void DDTextOut(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int cellW, int cellH,
               const SurfaceDesc& font, std::string_view text) {
  int offset = 0;
  int lineY = y;
  bool hiragana = true;
  for (const char ch : text) {
    const int c = static_cast<unsigned char>(ch);
    if (c == 0) break;
    if (c == '\n' || c == ':') {
      lineY += cellH;
      offset = 0;
      continue;
    }
    if (c == '@' || c == '^') {
      hiragana = c == '@';
      continue;
    }
    if (c == '$') continue;
    const int column = c & 0x0F;
    int row = c >> 4;
    // The hiragana glyphs sit in rows no printable single-byte code uses.
    if (hiragana && c >= 0xA6 && c <= 0xBF) row -= 10;
    if (hiragana && c >= 0xC0 && c <= 0xDD) row -= 4;
    DDBlt(dd, dst, x + offset, lineY, cellW, cellH, font, cellW * column, cellH * row, 1);
    offset += cellW;
    if (offset >= kScreenWidth) {
      lineY += cellH;
      offset = 0;
    }
  }
}

void DDPrintf(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int cellW, int cellH,
              const SurfaceDesc& font, const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  DDTextOut(dd, dst, x, y, cellW, cellH, font, buffer);
}

}  // namespace vh::draw
