#include "draw/Panels.h"

#include "draw/Blit.h"
#include "draw/Primitives.h"
#include "draw/TextOut.h"

namespace vh::draw {

int DDDrawWindow(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h,
                 const SurfaceDesc& src, int thickness, int palNum) {
  const int copied = DDBlt(dd, dst, x, y, w, h, src, 0, 0, 0);
  const int framed = DDFrameRect(dd, dst, x - thickness, y - thickness, w + 2 * thickness,
                                 h + 2 * thickness, thickness, palNum);
  return copied | framed;
}

int DDDrawWindowText(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h,
                     const SurfaceDesc& src, int thickness, int palNum, const SurfaceDesc& font,
                     int cellW, int cellH, std::string_view text, int indent) {
  const int drawn = DDDrawWindow(dd, dst, x, y, w, h, src, thickness, palNum);
  DDTextOut(dd, dst, x + indent, y, cellW, cellH, font, text);
  return drawn;
}

int DDDrawNumber(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int digitW, int digitH,
                 const SurfaceDesc& src, int sx, int sy, int colorKey, uint32_t value,
                 int fieldWidth, int centre) {
  char digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<char>(value % 10);
    value /= 10;
  } while (value != 0);
  int offset = 0;
  if (count < fieldWidth) {
    offset = (fieldWidth - count) * digitW;
    if (centre) offset /= 2;
  }
  int drawn = 0;
  for (int i = count - 1; i >= 0; --i) {
    drawn |= DDBlt(dd, dst, x + offset, y, digitW, digitH, src, sx + digitW * digits[i], sy, colorKey);
    x += digitW;
  }
  return drawn;
}

}  // namespace vh::draw
