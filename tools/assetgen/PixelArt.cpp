#include "PixelArt.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vh::assetgen::art {

uint8_t Noise(int x, int y, int seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               static_cast<uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<uint8_t>((h ^ (h >> 16)) & 0xFF);
}

void ShadedEllipse(IndexedImage& img, int x, int y, int w, int h, pal::Ramp ramp) {
  if (w <= 0 || h <= 0) return;
  const double cx = x + w / 2.0, cy = y + h / 2.0, rx = w / 2.0, ry = h / 2.0;
  for (int yy = y; yy < y + h; ++yy) {
    for (int xx = x; xx < x + w; ++xx) {
      const double nx = (xx + 0.5 - cx) / rx, ny = (yy + 0.5 - cy) / ry;
      const double d = nx * nx + ny * ny;
      if (d > 1.0) continue;
      const double nz = std::sqrt(1.0 - d);
      // Light from the upper left and in front.
      const double light = -0.45 * nx - 0.55 * ny + 0.7 * nz;
      const int shade = std::clamp(static_cast<int>(std::lround(1.0 + light * 5.0)), 1, 6);
      img.Set(xx, yy, pal::Shade(ramp, shade));
    }
  }
}

void Bevel(IndexedImage& img, int x, int y, int w, int h, uint8_t light, uint8_t face,
           uint8_t dark, int thickness) {
  img.FillRect(x, y, w, h, face);
  for (int t = 0; t < thickness; ++t) {
    img.FillRect(x + t, y + t, w - 2 * t, 1, light);
    img.FillRect(x + t, y + t, 1, h - 2 * t, light);
    img.FillRect(x + t, y + h - 1 - t, w - 2 * t, 1, dark);
    img.FillRect(x + w - 1 - t, y + t, 1, h - 2 * t, dark);
  }
}

void BevelRamp(IndexedImage& img, int x, int y, int w, int h, pal::Ramp ramp, int thickness) {
  Bevel(img, x, y, w, h, pal::Shade(ramp, 6), pal::Shade(ramp, 4), pal::Shade(ramp, 2), thickness);
}

void GradientEntries(IndexedImage& img, int x, int y, int w, int h, const uint8_t* entries,
                     int count) {
  if (h <= 0 || count <= 0) return;
  // 2 x 2 ordered dither between neighbouring bands.
  static constexpr std::array<int, 4> kBayer = {0, 2, 3, 1};
  for (int yy = 0; yy < h; ++yy) {
    const double t = (count - 1) * (h > 1 ? yy / static_cast<double>(h - 1) : 0.0);
    const int band = std::min(static_cast<int>(t), count - 1);
    const double frac = t - band;
    for (int xx = 0; xx < w; ++xx) {
      const double threshold = (kBayer[(yy & 1) * 2 + (xx & 1)] + 0.5) / 4.0;
      const int pick = (frac > threshold && band + 1 < count) ? band + 1 : band;
      img.Set(x + xx, y + yy, entries[pick]);
    }
  }
}

void Gradient(IndexedImage& img, int x, int y, int w, int h, pal::Ramp ramp, int from, int to) {
  std::array<uint8_t, 8> entries{};
  const int n = std::abs(to - from) + 1;
  for (int i = 0; i < n; ++i) entries[i] = pal::Shade(ramp, from + (to > from ? i : -i));
  GradientEntries(img, x, y, w, h, entries.data(), n);
}

void FillTriangle(IndexedImage& img, int x0, int y0, int x1, int y1, int x2, int y2, uint8_t c) {
  const int minX = std::min({x0, x1, x2}), maxX = std::max({x0, x1, x2});
  const int minY = std::min({y0, y1, y2}), maxY = std::max({y0, y1, y2});
  auto edge = [](int ax, int ay, int bx, int by, int px, int py) {
    return static_cast<long>(bx - ax) * (py - ay) - static_cast<long>(by - ay) * (px - ax);
  };
  const long area = edge(x0, y0, x1, y1, x2, y2);
  if (area == 0) return;
  for (int y = minY; y <= maxY; ++y) {
    for (int x = minX; x <= maxX; ++x) {
      long w0 = edge(x1, y1, x2, y2, x, y), w1 = edge(x2, y2, x0, y0, x, y),
           w2 = edge(x0, y0, x1, y1, x, y);
      if (area < 0) { w0 = -w0; w1 = -w1; w2 = -w2; }
      if (w0 >= 0 && w1 >= 0 && w2 >= 0) img.Set(x, y, c);
    }
  }
}

void Circle(IndexedImage& img, int cx, int cy, int r, uint8_t c) {
  for (int y = -r; y <= r; ++y) {
    for (int x = -r; x <= r; ++x) {
      const int d = x * x + y * y;
      if (d <= r * r + r && d >= r * r - r) img.Set(cx + x, cy + y, c);
    }
  }
}

void Disc(IndexedImage& img, int cx, int cy, int r, uint8_t c) {
  for (int y = -r; y <= r; ++y)
    for (int x = -r; x <= r; ++x)
      if (x * x + y * y <= r * r + r) img.Set(cx + x, cy + y, c);
}

void ThickLine(IndexedImage& img, int x0, int y0, int x1, int y1, int radius, uint8_t c) {
  const int steps = std::max({std::abs(x1 - x0), std::abs(y1 - y0), 1});
  for (int i = 0; i <= steps; ++i) {
    const int x = x0 + (x1 - x0) * i / steps, y = y0 + (y1 - y0) * i / steps;
    if (radius <= 0) {
      img.Set(x, y, c);
    } else {
      Disc(img, x, y, radius, c);
    }
  }
}

void Outline(IndexedImage& img, int x, int y, int w, int h, uint8_t colour, bool corners) {
  IndexedImage mask(w, h);
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 0; xx < w; ++xx) mask.Set(xx, yy, img.At(x + xx, y + yy) != 0 ? 1 : 0);
  for (int yy = 0; yy < h; ++yy) {
    for (int xx = 0; xx < w; ++xx) {
      if (mask.At(xx, yy) != 0) continue;
      bool edge = mask.At(xx - 1, yy) || mask.At(xx + 1, yy) || mask.At(xx, yy - 1) ||
                  mask.At(xx, yy + 1);
      if (!edge && corners) {
        edge = mask.At(xx - 1, yy - 1) || mask.At(xx + 1, yy - 1) || mask.At(xx - 1, yy + 1) ||
               mask.At(xx + 1, yy + 1);
      }
      if (edge) img.Set(x + xx, y + yy, colour);
    }
  }
}

void MirrorInPlace(IndexedImage& img, int x, int y, int w, int h) {
  for (int yy = y; yy < y + h; ++yy) {
    for (int i = 0; i < w / 2; ++i) {
      const uint8_t a = img.At(x + i, yy), b = img.At(x + w - 1 - i, yy);
      img.Set(x + i, yy, b);
      img.Set(x + w - 1 - i, yy, a);
    }
  }
}

void RecolourRamp(IndexedImage& img, int x, int y, int w, int h, pal::Ramp from, pal::Ramp to) {
  const int first = pal::Shade(from, 0);
  for (int yy = y; yy < y + h; ++yy) {
    for (int xx = x; xx < x + w; ++xx) {
      const int c = img.At(xx, yy);
      if (c >= first && c < first + 8) img.Set(xx, yy, pal::Shade(to, c - first));
    }
  }
}

void Downscale2(const IndexedImage& src, int sx, int sy, int w, int h, IndexedImage& dst, int dx,
                int dy) {
  for (int y = 0; y < h / 2; ++y) {
    for (int x = 0; x < w / 2; ++x) {
      std::array<uint8_t, 4> px = {src.At(sx + 2 * x, sy + 2 * y), src.At(sx + 2 * x + 1, sy + 2 * y),
                                   src.At(sx + 2 * x, sy + 2 * y + 1),
                                   src.At(sx + 2 * x + 1, sy + 2 * y + 1)};
      const int empty = static_cast<int>(std::count(px.begin(), px.end(), 0));
      if (empty >= 2) {
        dst.Set(dx + x, dy + y, 0);
        continue;
      }
      uint8_t best = 0;
      int bestCount = 0;
      for (uint8_t c : px) {
        if (c == 0) continue;
        const int n = static_cast<int>(std::count(px.begin(), px.end(), c));
        // Ties go to the darker-indexed black outline, which keeps edges crisp.
        if (n > bestCount || (n == bestCount && c == pal::kBlack)) {
          best = c;
          bestCount = n;
        }
      }
      dst.Set(dx + x, dy + y, best);
    }
  }
}

void Star(IndexedImage& img, int cx, int cy, int r, uint8_t c) {
  const double inner = r * 0.45;
  for (int i = 0; i < 5; ++i) {
    const double a0 = -M_PI / 2 + i * 2 * M_PI / 5;
    const double a1 = a0 + M_PI / 5, am = a0 - M_PI / 5;
    const int px = cx + static_cast<int>(std::lround(r * std::cos(a0)));
    const int py = cy + static_cast<int>(std::lround(r * std::sin(a0)));
    const int qx = cx + static_cast<int>(std::lround(inner * std::cos(a1)));
    const int qy = cy + static_cast<int>(std::lround(inner * std::sin(a1)));
    const int mx = cx + static_cast<int>(std::lround(inner * std::cos(am)));
    const int my = cy + static_cast<int>(std::lround(inner * std::sin(am)));
    FillTriangle(img, px, py, qx, qy, mx, my, c);
    FillTriangle(img, cx, cy, qx, qy, mx, my, c);
  }
}

}  // namespace vh::assetgen::art
