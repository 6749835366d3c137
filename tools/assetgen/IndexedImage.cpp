#include "IndexedImage.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

namespace vh::assetgen {

IndexedImage::IndexedImage(int width, int height, uint8_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {}

uint8_t IndexedImage::At(int x, int y) const {
  return Inside(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : 0;
}

void IndexedImage::Set(int x, int y, uint8_t colour) {
  if (Inside(x, y)) pixels_[static_cast<size_t>(y) * width_ + x] = colour;
}

void IndexedImage::FillRect(int x, int y, int w, int h, uint8_t colour) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
  for (int yy = y0; yy < y1; ++yy) {
    std::fill_n(pixels_.begin() + static_cast<ptrdiff_t>(yy) * width_ + x0, std::max(x1 - x0, 0),
                colour);
  }
}

void IndexedImage::FrameRect(int x, int y, int w, int h, uint8_t colour) {
  if (w <= 0 || h <= 0) return;
  FillRect(x, y, w, 1, colour);
  FillRect(x, y + h - 1, w, 1, colour);
  FillRect(x, y, 1, h, colour);
  FillRect(x + w - 1, y, 1, h, colour);
}

void IndexedImage::Line(int x0, int y0, int x1, int y1, uint8_t colour) {
  // Bresenham over all octants.
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, colour);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
  }
}

void IndexedImage::FillEllipse(int x, int y, int w, int h, uint8_t colour) {
  if (w <= 0 || h <= 0) return;
  // Pixel centres tested against the ellipse in doubled coordinates, so odd
  // and even sizes come out symmetric.
  const long cx2 = 2L * x + w, cy2 = 2L * y + h;
  const long rx = w, ry = h;
  for (int yy = y; yy < y + h; ++yy) {
    for (int xx = x; xx < x + w; ++xx) {
      const long px = 2L * xx + 1 - cx2, py = 2L * yy + 1 - cy2;
      if (px * px * ry * ry + py * py * rx * rx <= rx * rx * ry * ry) Set(xx, yy, colour);
    }
  }
}

void IndexedImage::Blit(const IndexedImage& src, int sx, int sy, int w, int h, int dx, int dy,
                        bool keyed) {
  for (int yy = 0; yy < h; ++yy) {
    for (int xx = 0; xx < w; ++xx) {
      if (!src.Inside(sx + xx, sy + yy)) continue;
      const uint8_t c = src.At(sx + xx, sy + yy);
      if (keyed && c == 0) continue;
      Set(dx + xx, dy + yy, c);
    }
  }
}

void IndexedImage::Recolour(int x, int y, int w, int h, uint8_t from, uint8_t to) {
  for (int yy = y; yy < y + h; ++yy) {
    for (int xx = x; xx < x + w; ++xx) {
      if (Inside(xx, yy) && At(xx, yy) == from) Set(xx, yy, to);
    }
  }
}

}  // namespace vh::assetgen
