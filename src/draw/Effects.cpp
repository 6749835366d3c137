#include "draw/Effects.h"

#include <algorithm>
#include <cmath>

#include "draw/Blit.h"

namespace vh::draw {

int DDBltSpin(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h,
              const SurfaceDesc& front, int fx, int fy, const SurfaceDesc& back, int bx, int by,
              int sw, int sh, int colorKey, int phase, int axis) {
  if ((axis != 0 && axis != 1) || phase < 0) return 0;
  const int size = axis == 0 ? w : h;
  const int u = size / 2;
  if (u <= 0) return 0;  // a card one pixel across has no turn to show
  // A triangle wave between 0 and u - 1: how far each edge has moved in.
  const int v = (phase / u) % 2 == 0 ? phase % u : u - (phase % u) - 1;
  const bool showBack = ((phase + u) / size) % 2 == 1;
  const SurfaceDesc& src = showBack ? back : front;
  const int sx = showBack ? bx : fx;
  const int sy = showBack ? by : fy;
  if (axis == 0) return DDBltEx(dd, dst, x + v, y, w - 2 * v, h, src, sx, sy, sw, sh, colorKey);
  return DDBltEx(dd, dst, x, y + v, w, h - 2 * v, src, sx, sy, sw, sh, colorKey);
}

int DDBltSplit4(const DrawDevice& dd, SurfaceDesc& dst, int x, int y, int w, int h,
                const SurfaceDesc& src, int sx, int sy, int spread, int colorKey) {
  const int w2 = w / 2;
  const int h2 = h / 2;
  int drawn = DDBlt(dd, dst, x - spread, y - spread, w2, h2, src, sx, sy, colorKey);
  drawn |= DDBlt(dd, dst, x + w2 + spread, y - spread, w2, h2, src, sx + w2, sy, colorKey);
  drawn |= DDBlt(dd, dst, x - spread, y + h2 + spread, w2, h2, src, sx, sy + h2, colorKey);
  drawn |= DDBlt(dd, dst, x + w2 + spread, y + h2 + spread, w2, h2, src, sx + w2, sy + h2, colorKey);
  return drawn;
}

int DDBltCircle(const DrawDevice& dd, const CircleBlt& c) {
  if (c.dst == nullptr || c.src == nullptr || c.radius <= 0 || c.bandHeight <= 0) return 0;
  const int r = c.radius;
  const int band = c.bandHeight;
  int drawn = 0;
  // Band i holds the rows at heights i .. i + band - 1 above the centre, from
  // the top of the circle down; with one-row bands the disc is symmetric
  // about the centre row.
  for (int i = r - band; i >= -r; i -= band) {
    const int top = -(i + band - 1);  // offset of the band's first row from the centre
    if (std::abs(top) > c.halfHeightLimit || std::abs(top + band - 1) > c.halfHeightLimit) continue;
    const double middle = i + (band - 1) / 2.0;
    const double squared = static_cast<double>(r) * r - middle * middle;
    const int chord = squared > 0 ? static_cast<int>(std::sqrt(squared)) : 0;
    if (chord == 0) continue;
    const int left = c.dx - chord;
    const int width = std::min(2 * chord, c.rightClip - left);
    if (width <= 0) continue;
    drawn |= DDBlt(dd, *c.dst, left, c.dy + top, width, band, *c.src, c.sx - chord, c.sy + top,
                   c.colorKey);
  }
  return drawn;
}

}  // namespace vh::draw
