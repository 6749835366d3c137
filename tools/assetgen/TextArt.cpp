#include "TextArt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace vh::assetgen {
namespace {

constexpr int kRasterSize = 96;  // large enough that scaling down keeps the shapes

struct Mask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> on;
  bool At(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height && on[static_cast<size_t>(y) * width + x];
  }
};

}  // namespace

bool Lettering::Draw(IndexedImage& img, std::string_view utf8, int x, int y, int w, int h,
                     const LetterStyle& style, Align align, double stretch) {
  std::string error;
  auto face = platform::OpenJapaneseGothic(library_, kRasterSize, platform::GlyphRendering::Smooth, error);
  if (!face) {
    std::fprintf(stderr, "vh_assetgen: lettering: %s\n", error.c_str());
    return false;
  }
  const platform::AlphaBitmap raster = face->RenderLine(utf8);
  // The inked part of the raster.
  int x0 = raster.width, x1 = -1, y0 = raster.height, y1 = -1;
  for (int yy = 0; yy < raster.height; ++yy) {
    for (int xx = 0; xx < raster.width; ++xx) {
      if (raster.At(xx, yy) < 128) continue;
      x0 = std::min(x0, xx);
      x1 = std::max(x1, xx);
      y0 = std::min(y0, yy);
      y1 = std::max(y1, yy);
    }
  }
  if (x1 < x0) return true;  // nothing to draw
  const int margin = (style.outline ? style.outlineWidth : 0) + style.bold + (style.shadow ? 1 : 0);
  const int boxW = w - 2 * margin, boxH = h - 2 * margin;
  const int inkW = x1 - x0 + 1, inkH = y1 - y0 + 1;
  // One scale for both axes, as large as fits; the width may then stretch.
  const double fitW = static_cast<double>(boxW) / inkW;
  const double scale = std::min(static_cast<double>(boxH) / inkH, fitW);
  const double scaleX = std::min(scale * stretch, fitW);
  const int outW = std::max(1, static_cast<int>(std::floor(inkW * scaleX)));
  const int outH = std::max(1, static_cast<int>(std::floor(inkH * scale)));
  // Area sampling from the raster into the mask.
  Mask mask{outW + 2 * style.bold, outH, {}};
  mask.on.assign(static_cast<size_t>(mask.width) * mask.height, 0);
  for (int my = 0; my < outH; ++my) {
    for (int mx = 0; mx < outW; ++mx) {
      const double fx0 = x0 + mx * inkW / static_cast<double>(outW);
      const double fx1 = x0 + (mx + 1) * inkW / static_cast<double>(outW);
      const double fy0 = y0 + my * inkH / static_cast<double>(outH);
      const double fy1 = y0 + (my + 1) * inkH / static_cast<double>(outH);
      long sum = 0, count = 0;
      for (int ry = static_cast<int>(fy0); ry < std::max(static_cast<int>(fy0) + 1, static_cast<int>(std::ceil(fy1))); ++ry) {
        for (int rx = static_cast<int>(fx0); rx < std::max(static_cast<int>(fx0) + 1, static_cast<int>(std::ceil(fx1))); ++rx) {
          sum += raster.At(rx, ry);
          ++count;
        }
      }
      if (count > 0 && sum / count >= 110) {
        for (int b = 0; b <= 2 * style.bold; ++b) mask.on[static_cast<size_t>(my) * mask.width + mx + b] = 1;
      }
    }
  }
  const int left = align == Align::Centre ? x + (w - mask.width) / 2 : x + margin;
  const int top = y + (h - mask.height) / 2;
  auto nearInk = [&](int mx, int my, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
      for (int dx = -radius; dx <= radius; ++dx)
        if (dx * dx + dy * dy <= radius * radius + radius && mask.At(mx + dx, my + dy)) return true;
    return false;
  };
  const int ring = style.outline ? style.outlineWidth : 0;
  if (style.shadow) {
    for (int my = -ring; my < mask.height + ring; ++my)
      for (int mx = -ring; mx < mask.width + ring; ++mx)
        if (nearInk(mx, my, ring)) img.Set(left + mx + 1, top + my + 1, style.shadow);
  }
  if (style.outline) {
    for (int my = -ring; my < mask.height + ring; ++my)
      for (int mx = -ring; mx < mask.width + ring; ++mx)
        if (nearInk(mx, my, ring)) img.Set(left + mx, top + my, style.outline);
  }
  const int bands = static_cast<int>(style.fill.size());
  for (int my = 0; my < mask.height; ++my) {
    const int band = std::min(bands - 1, my * bands / std::max(mask.height, 1));
    for (int mx = 0; mx < mask.width; ++mx)
      if (mask.At(mx, my)) img.Set(left + mx, top + my, style.fill[band]);
  }
  return true;
}

}  // namespace vh::assetgen
