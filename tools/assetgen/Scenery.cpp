#include "Scenery.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "PixelArt.h"

namespace vh::assetgen::scenery {

std::vector<int> Ridge(int width, double base, const std::vector<Wave>& waves) {
  std::vector<int> ridge(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x) {
    double h = base;
    for (const Wave& w : waves) h += w.amplitude * std::sin(2 * M_PI * w.periods * x / width + w.phase);
    ridge[static_cast<size_t>(x)] = static_cast<int>(std::lround(h));
  }
  return ridge;
}

void FillBelow(IndexedImage& img, const std::vector<int>& ridge, int bottom,
               const std::vector<uint8_t>& bands, int bandHeight) {
  for (int x = 0; x < img.Width() && x < static_cast<int>(ridge.size()); ++x) {
    for (int y = std::max(ridge[static_cast<size_t>(x)], 0); y < bottom; ++y) {
      const size_t band = std::min(static_cast<size_t>((y - ridge[static_cast<size_t>(x)]) / std::max(bandHeight, 1)),
                                   bands.size() - 1);
      img.Set(x, y, bands[band]);
    }
  }
}

void Sky(IndexedImage& img, int height, const std::vector<uint8_t>& entries) {
  art::GradientEntries(img, 0, 0, img.Width(), height, entries.data(), static_cast<int>(entries.size()));
}

void SetWrapped(IndexedImage& img, int x, int y, uint8_t c) {
  const int w = img.Width();
  img.Set(((x % w) + w) % w, y, c);
}

void Cloud(IndexedImage& img, int cx, int cy, int size, uint8_t body, uint8_t shadow) {
  const std::array<std::array<double, 3>, 5> puffs = {{{-0.9, 0.2, 0.55}, {-0.3, -0.25, 0.75},
                                                       {0.4, -0.1, 0.65}, {0.95, 0.25, 0.5},
                                                       {0.0, 0.3, 0.6}}};
  for (int pass = 0; pass < 2; ++pass) {
    for (const auto& p : puffs) {
      const int px = cx + static_cast<int>(p[0] * size), py = cy + static_cast<int>(p[1] * size) + (pass ? 0 : 2);
      const int r = static_cast<int>(p[2] * size);
      for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
          if (x * x + y * y <= r * r) SetWrapped(img, px + x, py + y, pass ? body : shadow);
    }
  }
}

void Stars(IndexedImage& img, int top, int bottom, int count, int seed) {
  for (int i = 0; i < count; ++i) {
    const int x = (art::Noise(i, 0, seed) * 256 + art::Noise(i, 1, seed)) % img.Width();
    const int y = top + (art::Noise(i, 2, seed) * 256 + art::Noise(i, 3, seed)) % std::max(bottom - top, 1);
    const int kind = art::Noise(i, 4, seed);
    if (kind > 245) {
      SetWrapped(img, x - 1, y, pal::Grey(10));
      SetWrapped(img, x + 1, y, pal::Grey(10));
      img.Set(x, y - 1, pal::Grey(10));
      img.Set(x, y + 1, pal::Grey(10));
      img.Set(x, y, pal::kWhite);
    } else {
      img.Set(x, y, kind > 160 ? pal::kWhite : kind > 80 ? pal::Grey(11) : pal::Grey(7));
    }
  }
}

void Conifer(IndexedImage& img, int x, int baseY, int height, uint8_t body, uint8_t light) {
  const int halfBase = height / 3;
  for (int row = 0; row < height; ++row) {
    const double t = row / static_cast<double>(height);
    // Three stacked tiers.
    const double tier = std::fmod(t * 3.0, 1.0);
    const int half = static_cast<int>(halfBase * (0.35 + 0.65 * t) * (0.55 + 0.45 * tier));
    for (int dx = -half; dx <= half; ++dx) SetWrapped(img, x + dx, baseY - height + row, dx < -half / 3 ? light : body);
  }
  for (int y = baseY - height / 8; y < baseY; ++y) SetWrapped(img, x, y, pal::Shade(pal::Ramp::Brown, 1));
}

void BlitScaled(IndexedImage& img, const IndexedImage& sprite, int dx, int dy, int factor) {
  for (int y = 0; y < sprite.Height(); ++y) {
    for (int x = 0; x < sprite.Width(); ++x) {
      const uint8_t c = sprite.At(x, y);
      if (c == 0) continue;
      for (int fy = 0; fy < factor; ++fy)
        for (int fx = 0; fx < factor; ++fx) SetWrapped(img, dx + x * factor + fx, dy + y * factor + fy, c);
    }
  }
}

}  // namespace vh::assetgen::scenery
