// The ten stage backgrounds (640 x 480, under their Japanese names) and
// Back_Way.bmp. Each repeats seamlessly from left to right; the game tiles
// them behind the blocks.
#include <array>
#include <cmath>
#include <functional>
#include <string>

#include "Bmp8Writer.h"
#include "CharacterArt.h"
#include "Generators.h"
#include "PixelArt.h"
#include "Scenery.h"

namespace vh::assetgen {
namespace {

using pal::Ramp;
using pal::Shade;
using scenery::Wave;
constexpr int kW = 640;
constexpr int kH = 480;

int Round(double v) { return static_cast<int>(std::lround(v)); }

void Grassland(IndexedImage& img) {
  scenery::Sky(img, 330, {Shade(Ramp::Sky, 3), Shade(Ramp::Sky, 4), Shade(Ramp::Sky, 5), Shade(Ramp::Sky, 6),
                          Shade(Ramp::Ice, 7)});
  for (int i = 0; i < 7; ++i)
    scenery::Cloud(img, 40 + i * 91, 60 + (i * 37) % 110, 18 + (i % 3) * 6, pal::kWhite, Shade(Ramp::Ice, 6));
  const auto far = scenery::Ridge(kW, 250, {{3, 28, 0.3}, {7, 12, 1.1}, {13, 5, 2.0}});
  scenery::FillBelow(img, far, kH, {Shade(Ramp::Stone, 6), Shade(Ramp::Stone, 5)}, 6);
  const auto mid = scenery::Ridge(kW, 320, {{2, 22, 1.7}, {5, 9, 0.4}});
  scenery::FillBelow(img, mid, kH, {Shade(Ramp::Moss, 6), Shade(Ramp::Moss, 5)}, 4);
  const auto near = scenery::Ridge(kW, 392, {{3, 14, 0.9}, {8, 5, 2.5}});
  scenery::FillBelow(img, near, kH, {Shade(Ramp::Lime, 5), Shade(Ramp::Green, 5), Shade(Ramp::Green, 4)}, 5);
  for (int i = 0; i < 90; ++i) {
    const int x = (art::Noise(i, 0, 401) * 3 + art::Noise(i, 1, 401)) % kW;
    const int y = near[static_cast<size_t>(x)] + 10 + art::Noise(i, 2, 401) % 70;
    const uint8_t petal = i % 3 == 0 ? Shade(Ramp::Yellow, 6) : i % 3 == 1 ? pal::kWhite : Shade(Ramp::Pink, 6);
    img.Set(x, y, petal);
    img.Set(x, y + 1, Shade(Ramp::Green, 3));
  }
}

void Forest(IndexedImage& img) {
  scenery::Sky(img, kH, {Shade(Ramp::Lime, 6), Shade(Ramp::Moss, 6), Shade(Ramp::Moss, 5), Shade(Ramp::Moss, 4)});
  // Shafts of light between the trees.
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (((x + y / 2) % 160) < 18 && (x + y) % 2 == 0) img.Set(x, y, Shade(Ramp::Lime, 6));
  struct Layer { int count, base, height; uint8_t body, light; };
  const std::array<Layer, 3> layers = {{{16, 300, 150, Shade(Ramp::Moss, 4), Shade(Ramp::Moss, 5)},
                                        {12, 380, 220, Shade(Ramp::Moss, 2), Shade(Ramp::Moss, 3)},
                                        {8, 470, 300, Shade(Ramp::Green, 1), Shade(Ramp::Green, 2)}}};
  for (size_t l = 0; l < layers.size(); ++l) {
    const Layer& layer = layers[l];
    for (int i = 0; i < layer.count; ++i) {
      const int x = i * kW / layer.count + art::Noise(i, static_cast<int>(l), 411) % 20;
      scenery::Conifer(img, x, layer.base + art::Noise(i, 9, 411) % 16, layer.height - art::Noise(i, 8, 411) % 40,
                       layer.body, layer.light);
    }
    if (l == 1) img.FillRect(0, 380, kW, 100, Shade(Ramp::Moss, 2));
  }
  img.FillRect(0, 462, kW, 18, Shade(Ramp::Green, 1));
}

void Underwater(IndexedImage& img) {
  scenery::Sky(img, kH, {Shade(Ramp::Cyan, 5), Shade(Ramp::Cyan, 4), Shade(Ramp::Teal, 4), Shade(Ramp::Teal, 3),
                         Shade(Ramp::Blue, 2), Shade(Ramp::Blue, 1)});
  // Light rays in the cycling water entries, so they shimmer on 8-bit screens.
  for (int y = 0; y < 360; ++y)
    for (int x = 0; x < kW; ++x) {
      const int band = (x + y / 3) % 128;
      if (band < 12 && (x + 2 * y) % 4 == 0) img.Set(x, y, pal::CycleEntry(pal::Cycle::Water, 2 + (band + y / 30) % 4));
    }
  const auto floor = scenery::Ridge(kW, 430, {{2, 12, 0.5}, {6, 4, 1.0}});
  scenery::FillBelow(img, floor, kH, {Shade(Ramp::Sand, 5), Shade(Ramp::Sand, 4), Shade(Ramp::Sand, 3)}, 6);
  for (int i = 0; i < 18; ++i) {
    const int x0 = i * 36 + art::Noise(i, 0, 421) % 12;
    const int top = 300 + art::Noise(i, 1, 421) % 80;
    for (int y = top; y < floor[static_cast<size_t>(x0 % kW)] + 4; ++y) {
      const int x = x0 + Round(std::sin(y * 0.12 + i) * 4);
      scenery::SetWrapped(img, x, y, Shade(Ramp::Green, 3));
      scenery::SetWrapped(img, x + 1, y, Shade(Ramp::Green, 5));
    }
  }
  for (int i = 0; i < 40; ++i) {
    const int x = (art::Noise(i, 2, 421) * 5) % kW, y = 20 + (art::Noise(i, 3, 421) * 3) % 380;
    art::Circle(img, x, y, 1 + art::Noise(i, 4, 421) % 3, Shade(Ramp::Ice, 7));
  }
}

void Ruins(IndexedImage& img) {
  std::vector<uint8_t> dusk;
  for (int i = 0; i < 7; ++i) dusk.push_back(pal::Dusk(i));
  scenery::Sky(img, 400, dusk);
  art::Disc(img, 420, 330, 46, Shade(Ramp::Yellow, 6));
  art::Disc(img, 420, 330, 40, Shade(Ramp::Yellow, 7));
  const auto hills = scenery::Ridge(kW, 360, {{2, 14, 0.2}, {5, 6, 1.3}});
  scenery::FillBelow(img, hills, kH, {Shade(Ramp::Violet, 1), Shade(Ramp::Indigo, 0)}, 30);
  const uint8_t stone = Shade(Ramp::Indigo, 1), edge = Shade(Ramp::Violet, 2);
  for (int i = 0; i < 8; ++i) {
    const int x = i * 80 + 20, h = 60 + art::Noise(i, 0, 431) % 150, top = 380 - h;
    img.FillRect(x, top, 26, h + 10, stone);
    img.FillRect(x, top, 3, h + 10, edge);
    // Broken tops.
    for (int k = 0; k < 26; ++k) img.FillRect(x + k, top, 1, art::Noise(k, i, 432) % 9, 0);
    img.FillRect(x - 4, 380, 34, 8, stone);
    if (i % 3 == 1) {  // an arch to the next pillar
      for (int k = 0; k <= 54; ++k) {
        const int y = top + 8 - Round(std::sin(k / 54.0 * M_PI) * 18);
        for (int t = 0; t < 8; ++t) scenery::SetWrapped(img, x + 26 + k, y + t, stone);
      }
    }
  }
  // Restore the sky where the broken tops were cut.
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < kW; ++x)
      if (img.At(x, y) == 0) img.Set(x, y, dusk[std::min<size_t>(static_cast<size_t>(y * 7 / 400), 6)]);
}

void Space(IndexedImage& img) {
  std::vector<uint8_t> night;
  for (int i = 0; i < 4; ++i) night.push_back(pal::Night(i));
  scenery::Sky(img, kH, night);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const double n = std::sin(2 * M_PI * x / kW * 2 + y * 0.013) + std::sin(y * 0.02 + x * 0.006);
      if (n > 1.2 && art::Noise(x, y, 441) < 90) img.Set(x, y, Shade(Ramp::Violet, 1));
      if (n > 1.6 && art::Noise(x, y, 442) < 60) img.Set(x, y, Shade(Ramp::Pink, 2));
    }
  scenery::Stars(img, 0, kH, 520, 443);
  // A ringed planet: the far half of the ring passes behind it.
  IndexedImage planet(kW, kH);
  art::ShadedEllipse(planet, 420, 90, 110, 110, Ramp::Orange);
  for (double t = 0; t < 2 * M_PI; t += 0.002) {
    const int x = 475 + Round(std::cos(t) * 86), y = 145 + Round(std::sin(t) * 16 - std::cos(t) * 10);
    if (std::sin(t) < 0 && planet.At(x, y) != 0) continue;
    for (int k = 0; k < 3; ++k) img.Set(x, y + k, Shade(Ramp::Sand, 6 - k));
  }
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (planet.At(x, y) != 0 && !(img.At(x, y) >= Shade(Ramp::Sand, 4) && img.At(x, y) <= Shade(Ramp::Sand, 6)))
        img.Set(x, y, planet.At(x, y));
  art::ShadedEllipse(img, 120, 330, 34, 34, Ramp::Sky);
}

void Cave(IndexedImage& img) {
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const int n = art::Noise(x / 3, y / 3, 451);
      img.Set(x, y, Shade(Ramp::Brown, n < 150 ? 0 : 1));
    }
  for (int i = 0; i < 20; ++i) {
    const int x = i * 32 + art::Noise(i, 0, 452) % 16, len = 30 + art::Noise(i, 1, 452) % 90, half = 7 + art::Noise(i, 2, 452) % 8;
    art::FillTriangle(img, x - half, 0, x + half, 0, x, len, Shade(Ramp::Brown, 2));
    art::FillTriangle(img, x - half, 0, x - 1, 0, x, len, Shade(Ramp::Brown, 3));
    const int up = 20 + art::Noise(i, 3, 452) % 60;
    art::FillTriangle(img, x + 16 - half, kH, x + 16 + half, kH, x + 16, kH - up, Shade(Ramp::Brown, 2));
  }
  for (int i = 0; i < 9; ++i) {
    const int x = 30 + i * 70, y = 180 + art::Noise(i, 5, 453) % 200;
    const Ramp ramp = i % 2 ? Ramp::Violet : Ramp::Cyan;
    art::FillTriangle(img, x, y + 14, x + 5, y - 6, x + 9, y + 14, Shade(ramp, 5));
    art::FillTriangle(img, x + 6, y + 14, x + 12, y - 1, x + 16, y + 14, Shade(ramp, 4));
    img.Set(x + 5, y - 3, pal::kWhite);
  }
}

void Castle(IndexedImage& img) {
  img.FillRect(0, 0, kW, kH, Shade(Ramp::Stone, 0));
  for (int row = 0; row < kH / 20; ++row) {
    const int offset = (row % 2) * 20;
    for (int col = -1; col < kW / 40 + 1; ++col) {
      const int x = col * 40 + offset, y = row * 20;
      art::Bevel(img, x + 1, y + 1, 38, 18, Shade(Ramp::Stone, 3), Shade(Ramp::Stone, 2), Shade(Ramp::Stone, 1));
    }
  }
  for (int i = 0; i < 4; ++i) {
    const int x = 40 + i * 160;
    // Arched window onto the night.
    std::vector<uint8_t> night = {pal::Night(1), pal::Night(2), pal::Night(3)};
    art::GradientEntries(img, x, 110, 60, 130, night.data(), 3);
    art::Disc(img, x + 30, 110, 30, pal::Night(1));
    img.FillRect(x + 29, 80, 2, 160, Shade(Ramp::Stone, 1));
    img.FillRect(x, 170, 60, 2, Shade(Ramp::Stone, 1));
    if (i == 1) art::Disc(img, x + 40, 105, 9, Shade(Ramp::Yellow, 6));
    // Banner and torch between the windows.
    const int bx = x + 100;
    img.FillRect(bx, 60, 24, 150, Shade(Ramp::Red, 3));
    img.FillRect(bx + 2, 60, 3, 150, Shade(Ramp::Red, 4));
    art::FillTriangle(img, bx, 210, bx + 24, 210, bx + 12, 226, Shade(Ramp::Red, 3));
    art::Star(img, bx + 12, 110, 8, Shade(Ramp::Gold, 6));
    img.FillRect(bx - 6, 56, 36, 4, Shade(Ramp::Gold, 4));
    const int tx = x + 70;
    img.FillRect(tx, 300, 6, 26, Shade(Ramp::Brown, 2));
    for (int k = 0; k < 5; ++k) art::Disc(img, tx + 3, 294 - k * 3, 5 - k, pal::CycleEntry(pal::Cycle::Lava, k * 2));
  }
  img.FillRect(0, 440, kW, 40, Shade(Ramp::Stone, 1));
  for (int x = 0; x < kW; x += 32) img.FillRect(x, 440, 31, 3, Shade(Ramp::Stone, 3));
}

void Darkness(IndexedImage& img) {
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const double swirl = std::sin(2 * M_PI * x / kW * 3 + std::sin(y * 0.02) * 2) + std::cos(y * 0.017 + x * 0.004);
      const int n = art::Noise(x, y, 461);
      uint8_t c = pal::Night(0);
      if (swirl > 0.9 && n < 110) c = Shade(Ramp::Violet, 0);
      if (swirl > 1.5 && n < 70) c = Shade(Ramp::Indigo, 1);
      img.Set(x, y, c);
    }
  for (int i = 0; i < 50; ++i) {
    const int x = (art::Noise(i, 0, 462) * 5) % kW, y = (art::Noise(i, 1, 462) * 3) % kH;
    img.Set(x, y, Shade(Ramp::Violet, 4));
  }
}

void Light(IndexedImage& img) {
  scenery::Sky(img, kH, {pal::kWhite, Shade(Ramp::Yellow, 7), Shade(Ramp::Gold, 7), Shade(Ramp::Ice, 7)});
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const double a = std::atan2(y + 80.0, x - 320.0);
      if (static_cast<int>(std::floor(a * 12 / M_PI)) % 2 == 0 && (x + y) % 2 == 0 && y < 360)
        img.Set(x, y, Shade(Ramp::Yellow, 6));
    }
  for (int i = 0; i < 6; ++i) scenery::Cloud(img, 50 + i * 110, 330 + (i % 2) * 40, 26, pal::kWhite, Shade(Ramp::Ice, 6));
  for (int i = 0; i < 40; ++i) {
    const int x = (art::Noise(i, 0, 471) * 5) % kW, y = (art::Noise(i, 1, 471) * 3) % 300;
    art::Star(img, x, y, 2 + i % 2, pal::kWhite);
  }
}

void Puzzle(IndexedImage& img) {
  const std::array<Ramp, 4> ramps = {Ramp::Sky, Ramp::Pink, Ramp::Lime, Ramp::Yellow};
  for (int row = 0; row < kH / 40; ++row) {
    for (int col = 0; col < kW / 40; ++col) {
      const bool dark = (row + col) % 2 == 0;
      const int x = col * 40, y = row * 40;
      img.FillRect(x, y, 40, 40, dark ? Shade(Ramp::Indigo, 6) : Shade(Ramp::Indigo, 7));
      const Ramp r = ramps[static_cast<size_t>((row * 3 + col) % 4)];
      const uint8_t c = Shade(r, 6);
      switch ((row + col * 2) % 3) {
        case 0: art::Disc(img, x + 20, y + 20, 7, c); break;
        case 1: img.FillRect(x + 13, y + 13, 14, 14, c); break;
        default: art::FillTriangle(img, x + 12, y + 27, x + 28, y + 27, x + 20, y + 12, c); break;
      }
    }
  }
}

void Way(IndexedImage& img) {
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) img.Set(x, y, Shade(Ramp::Green, art::Noise(x / 2, y / 2, 481) < 60 ? 4 : 5));
  for (int y = 0; y < kH; ++y) {
    const int cx = 320 + Round(std::sin(y * 2 * M_PI / kH) * 150);
    for (int dx = -18; dx <= 18; ++dx) img.Set(cx + dx, y, Shade(Ramp::Sand, std::abs(dx) > 15 ? 3 : 5));
    if (y % 12 < 2) img.Set(cx, y, Shade(Ramp::Sand, 3));
  }
  for (int i = 0; i < 14; ++i) {
    const int x = (i * 97) % kW, y = (i * 181) % kH;
    art::ShadedEllipse(img, x, y, 24, 22, Ramp::Green);
    img.FillRect(x + 10, y + 20, 4, 6, Shade(Ramp::Brown, 2));
  }
}

struct Background {
  const char* file;
  std::function<void(IndexedImage&)> paint;
};

}  // namespace

bool GenerateBackgrounds(const std::filesystem::path& root) {
  const std::array<Background, 11> backgrounds = {{
      {"背景＿草原.bmp", Grassland},
      {"背景＿森.bmp", Forest},
      {"背景＿水中.bmp", Underwater},
      {"背景＿廃墟.bmp", Ruins},
      {"背景＿宇宙.bmp", Space},
      {"背景＿洞窟.bmp", Cave},
      {"背景＿城.bmp", Castle},
      {"背景＿闇.bmp", Darkness},
      {"背景＿光.bmp", Light},
      {"背景＿パズル.bmp", Puzzle},
      {"Back_Way.bmp", Way},
  }};
  const PaletteTable palette = MakeGamePalette();
  bool ok = true;
  for (const Background& b : backgrounds) {
    IndexedImage img(kW, kH, pal::kBlack);
    b.paint(img);
    ok = WriteBmp8(root / "bmp" / b.file, img, palette) && ok;
  }
  return ok;
}

}  // namespace vh::assetgen
