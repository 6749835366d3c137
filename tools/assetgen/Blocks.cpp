// Block.bmp: 51 block pictures of 32 x 32, graphic g at column g / 13 and row
// g mod 13 (4 x 13 cells, 128 x 416); cell 0 stays empty. Each picture is
// drawn by code; the list below says what each graphic shows.
#include <array>
#include <cmath>
#include <functional>

#include "BlockArt.h"
#include "Bmp8Writer.h"
#include "Generators.h"
#include "PixelArt.h"

namespace vh::assetgen {
namespace {

using pal::Ramp;
using pal::Shade;
constexpr int kS = 32;

void Speckled(IndexedImage& b, Ramp ramp, int seed, int low, int mid, int high) {
  for (int y = 0; y < kS; ++y) {
    for (int x = 0; x < kS; ++x) {
      const int n = art::Noise(x, y, seed);
      b.Set(x, y, Shade(ramp, n < 40 ? low : n < 215 ? mid : high));
    }
  }
}

void Dirt(IndexedImage& b, int seed = 1) {
  Speckled(b, Ramp::Brown, seed, 2, 3, 4);
  // A few pebbles.
  for (int i = 0; i < 4; ++i) {
    const int px = art::Noise(i, 1, seed + 9) % 26 + 3, py = art::Noise(i, 2, seed + 9) % 22 + 8;
    b.FillRect(px, py, 3, 2, Shade(Ramp::Sand, 2));
    b.Set(px, py, Shade(Ramp::Sand, 4));
  }
}

void GrassGround(IndexedImage& b) {
  Dirt(b, 3);
  for (int x = 0; x < kS; ++x) {
    const int depth = 7 + art::Noise(x, 0, 17) % 3 + ((x / 3) % 2);
    for (int y = 0; y < depth; ++y) {
      const int shade = y < 2 ? 6 : y < depth - 2 ? 5 : 3;
      b.Set(x, y, Shade(Ramp::Green, shade));
    }
    if (art::Noise(x, 5, 4) < 50) b.Set(x, 1, Shade(Ramp::Lime, 6));
  }
}

void Brick(IndexedImage& b, Ramp ramp) {
  b.FillRect(0, 0, kS, kS, Shade(ramp, 1));  // mortar
  for (int row = 0; row < 4; ++row) {
    const int offset = (row % 2) * 8;
    for (int col = -1; col < 3; ++col) {
      const int x = col * 16 + offset, y = row * 8;
      art::Bevel(b, x + 1, y + 1, 15, 7, Shade(ramp, 5), Shade(ramp, 4), Shade(ramp, 2));
      if (art::Noise(col, row, 5) < 90) b.Set(x + 4 + art::Noise(col, row, 6) % 8, y + 4, Shade(ramp, 3));
    }
  }
}

void StoneBlock(IndexedImage& b, Ramp ramp = Ramp::Stone) {
  art::Bevel(b, 0, 0, kS, kS, Shade(ramp, 6), Shade(ramp, 4), Shade(ramp, 1), 2);
  for (int y = 3; y < kS - 3; ++y)
    for (int x = 3; x < kS - 3; ++x)
      if (art::Noise(x, y, 21) < 30) b.Set(x, y, Shade(ramp, art::Noise(x, y, 22) < 128 ? 3 : 5));
  b.FrameRect(0, 0, kS, kS, Shade(ramp, 0));
}

void Ice(IndexedImage& b) {
  art::Bevel(b, 0, 0, kS, kS, Shade(Ramp::Ice, 7), Shade(Ramp::Ice, 5), Shade(Ramp::Ice, 2), 2);
  for (int i = 0; i < 10; ++i) b.Set(6 + i, 18 - i, pal::kWhite);
  for (int i = 0; i < 5; ++i) b.Set(16 + i, 26 - i, Shade(Ramp::Ice, 7));
  for (int i = 0; i < 4; ++i) b.Set(22 + i, 10 - i, pal::kWhite);
  b.FrameRect(0, 0, kS, kS, Shade(Ramp::Ice, 1));
}

void SpikesUp(IndexedImage& b) {
  art::BevelRamp(b, 0, 26, kS, 6, Ramp::Stone);
  for (int i = 0; i < 4; ++i) {
    const int x = i * 8;
    art::FillTriangle(b, x, 26, x + 4, 3, x + 4, 26, pal::Grey(13));
    art::FillTriangle(b, x + 4, 3, x + 7, 26, x + 4, 26, pal::Grey(8));
    b.Set(x + 4, 3, pal::kWhite);
  }
  art::Outline(b, 0, 0, kS, 26, pal::kBlack);
}

void Planks(IndexedImage& b) {
  for (int p = 0; p < 3; ++p) {
    const int y = p * 11, h = p == 2 ? 10 : 11;
    art::Bevel(b, 0, y, kS, h, Shade(Ramp::Brown, 6), Shade(Ramp::Brown, 5), Shade(Ramp::Brown, 2));
    for (int x = 2; x < kS - 2; ++x)
      if (art::Noise(x, p, 31) < 60) b.Set(x, y + 3 + art::Noise(x / 6, p, 32) % 5, Shade(Ramp::Brown, 4));
    b.Set(3, y + h / 2, pal::Grey(5));
    b.Set(kS - 4, y + h / 2, pal::Grey(5));
  }
}

void StarBlock(IndexedImage& b) {
  art::Bevel(b, 0, 0, kS, kS, Shade(Ramp::Gold, 7), Shade(Ramp::Gold, 5), Shade(Ramp::Gold, 2), 2);
  art::Star(b, 16, 16, 10, Shade(Ramp::Gold, 2));
  art::Star(b, 15, 15, 9, pal::kWhite);
  art::Star(b, 15, 16, 6, Shade(Ramp::Yellow, 6));
  b.FrameRect(0, 0, kS, kS, Shade(Ramp::Gold, 0));
}

void Metal(IndexedImage& b) {
  art::Bevel(b, 0, 0, kS, kS, Shade(Ramp::Stone, 7), Shade(Ramp::Stone, 5), Shade(Ramp::Stone, 2), 2);
  b.FillRect(4, 4, 24, 24, Shade(Ramp::Stone, 4));
  b.FillRect(4, 4, 24, 1, Shade(Ramp::Stone, 3));
  b.FillRect(4, 4, 1, 24, Shade(Ramp::Stone, 3));
  for (auto [x, y] : {std::pair{5, 5}, {25, 5}, {5, 25}, {25, 25}}) {
    b.FillRect(x, y, 2, 2, Shade(Ramp::Stone, 7));
    b.Set(x + 1, y + 1, Shade(Ramp::Stone, 1));
  }
  b.FrameRect(0, 0, kS, kS, Shade(Ramp::Stone, 0));
}

void Sand(IndexedImage& b) {
  Speckled(b, Ramp::Sand, 41, 3, 4, 6);
  for (int y = 6; y < kS; y += 9)
    for (int x = 0; x < kS; ++x)
      b.Set(x, y + static_cast<int>(std::lround(std::sin(x * 0.4) * 1.5)), Shade(Ramp::Sand, 3));
}

void SnowGround(IndexedImage& b) {
  Dirt(b, 5);
  for (int x = 0; x < kS; ++x) {
    const int depth = 6 + art::Noise(x / 2, 0, 51) % 4;
    for (int y = 0; y < depth; ++y) b.Set(x, y, y < 2 ? pal::kWhite : Shade(Ramp::Ice, y < depth - 1 ? 6 : 4));
  }
}

// Cycling entries make lava and water flow on an 8-bit screen.
void Liquid(IndexedImage& b, pal::Cycle cycle, int seed) {
  for (int y = 0; y < kS; ++y) {
    for (int x = 0; x < kS; ++x) {
      const int wave = static_cast<int>(std::lround(std::sin((x + seed) * 0.39) * 1.5));
      b.Set(x, y, pal::CycleEntry(cycle, (x / 4 + (y + wave) / 3) & 7));
    }
  }
  for (int x = 0; x < kS; ++x) {
    const int crest = 1 + static_cast<int>(std::lround(std::sin(x * 0.39) * 1.2));
    for (int y = 0; y < crest; ++y) b.Set(x, y, 0);
    b.Set(x, crest, pal::CycleEntry(cycle, 4));
  }
}

void Conveyor(IndexedImage& b, int dir) {
  art::BevelRamp(b, 0, 0, kS, kS, Ramp::Stone, 2);
  b.FillRect(2, 8, 28, 16, pal::Grey(3));
  for (int i = 0; i < 4; ++i) {
    const int cx = 4 + i * 7;
    for (int k = 0; k < 6; ++k) {
      const int x = dir > 0 ? cx + (k < 3 ? k : 5 - k) : cx + 2 - (k < 3 ? k : 5 - k);
      b.Set(x, 10 + k, pal::CycleEntry(pal::Cycle::Signal, i * 2));
      b.Set(x + 1, 10 + k, pal::CycleEntry(pal::Cycle::Signal, i * 2 + 1));
    }
  }
  for (int x = 2; x < 30; x += 4) {
    b.Set(x, 4, pal::Grey(4));
    b.Set(x, 27, pal::Grey(4));
  }
}

void Spring(IndexedImage& b) {
  art::BevelRamp(b, 2, 26, 28, 6, Ramp::Stone);
  for (int i = 0; i < 5; ++i) {
    const int y = 24 - i * 3;
    art::ThickLine(b, 8, y, 24, y - 2, 0, pal::Grey(12));
    art::ThickLine(b, 8, y + 1, 24, y - 1, 0, pal::Grey(7));
  }
  art::Bevel(b, 4, 6, 24, 5, Shade(Ramp::Red, 6), Shade(Ramp::Red, 4), Shade(Ramp::Red, 2));
  art::Outline(b, 0, 0, kS, 26, pal::kBlack);
}

void Cloud(IndexedImage& b) {
  const uint8_t shadow = Shade(Ramp::Sky, 6), body = Shade(Ramp::Ice, 7);
  art::Disc(b, 9, 16, 8, shadow);
  art::Disc(b, 19, 13, 10, shadow);
  art::Disc(b, 26, 18, 6, shadow);
  b.FillRect(3, 18, 28, 7, shadow);
  art::Disc(b, 9, 14, 7, body);
  art::Disc(b, 19, 11, 9, body);
  art::Disc(b, 25, 16, 5, body);
  art::Disc(b, 16, 8, 3, pal::kWhite);
  art::Outline(b, 0, 0, kS, kS, Shade(Ramp::Sky, 4));
}

void Bush(IndexedImage& b) {
  for (auto [x, y, r] : {std::array{8, 20, 8}, {22, 19, 9}, {15, 12, 9}, {26, 26, 5}, {5, 26, 5}}) {
    art::ShadedEllipse(b, x - r, y - r, 2 * r + 1, 2 * r + 1, Ramp::Green);
  }
  for (int i = 0; i < 14; ++i)
    b.Set(4 + art::Noise(i, 0, 61) % 24, 6 + art::Noise(i, 1, 61) % 20, Shade(Ramp::Lime, 6));
  art::Outline(b, 0, 0, kS, kS, Shade(Ramp::Green, 0));
}

void CastleWall(IndexedImage& b) {
  b.FillRect(0, 0, kS, kS, Shade(Ramp::Stone, 1));
  for (int row = 0; row < 3; ++row) {
    const int y = row * 11, h = row == 2 ? 9 : 10, offset = (row % 2) * 10;
    for (int col = -1; col < 2; ++col) {
      art::Bevel(b, col * 20 + offset + 1, y, 19, h, Shade(Ramp::Stone, 5), Shade(Ramp::Stone, 3),
                 Shade(Ramp::Stone, 2));
    }
  }
  for (int y = 0; y < kS; ++y)
    for (int x = 0; x < kS; ++x)
      if (art::Noise(x, y, 71) < 18 && b.At(x, y) == Shade(Ramp::Stone, 3)) b.Set(x, y, Shade(Ramp::Stone, 2));
}

// Rough rock in facets: every pixel takes the shade of its nearest seed point.
void Facets(IndexedImage& b, Ramp ramp, int seed) {
  std::array<std::array<int, 3>, 9> seeds{};
  for (size_t i = 0; i < seeds.size(); ++i) {
    seeds[i] = {art::Noise(static_cast<int>(i), 0, seed) % kS, art::Noise(static_cast<int>(i), 1, seed) % kS,
                1 + art::Noise(static_cast<int>(i), 2, seed) % 4};
  }
  for (int y = 0; y < kS; ++y) {
    for (int x = 0; x < kS; ++x) {
      int best = 1 << 30, second = 1 << 30, shade = 2;
      for (const auto& s : seeds) {
        for (int wrap = -1; wrap <= 1; ++wrap) {
          const int dx = x - s[0] - wrap * kS, dy = y - s[1];
          const int d = dx * dx + dy * dy;
          if (d < best) {
            second = best;
            best = d;
            shade = s[2];
          } else if (d < second) {
            second = d;
          }
        }
      }
      b.Set(x, y, second - best < 12 ? Shade(ramp, 0) : Shade(ramp, shade));
    }
  }
}

void Crystal(IndexedImage& b) {
  Facets(b, Ramp::Indigo, 81);
  art::FillTriangle(b, 6, 28, 11, 6, 15, 28, Shade(Ramp::Violet, 6));
  art::FillTriangle(b, 11, 6, 15, 28, 12, 28, Shade(Ramp::Violet, 4));
  art::FillTriangle(b, 15, 28, 21, 2, 27, 28, Shade(Ramp::Pink, 6));
  art::FillTriangle(b, 21, 2, 27, 28, 22, 28, Shade(Ramp::Pink, 4));
  b.Set(20, 6, pal::kWhite);
  b.Set(10, 10, pal::kWhite);
}

void Ladder(IndexedImage& b) {
  for (int x : {5, 24}) {
    b.FillRect(x, 0, 3, kS, Shade(Ramp::Brown, 4));
    b.FillRect(x, 0, 1, kS, Shade(Ramp::Brown, 6));
  }
  for (int y = 3; y < kS; y += 8) {
    b.FillRect(8, y, 16, 3, Shade(Ramp::Brown, 5));
    b.FillRect(8, y + 2, 16, 1, Shade(Ramp::Brown, 2));
  }
  art::Outline(b, 0, 0, kS, kS, Shade(Ramp::Brown, 0));
}

void Pipe(IndexedImage& b, bool vertical) {
  static constexpr std::array<int, 32> kProfile = {1, 2, 3, 4, 5, 6, 6, 7, 7, 6, 6, 5, 5, 5, 5, 5,
                                                   5, 4, 4, 4, 4, 4, 3, 3, 3, 3, 2, 2, 2, 1, 1, 0};
  for (int a = 0; a < kS; ++a) {
    for (int t = 2; t < 30; ++t) {
      const uint8_t c = Shade(Ramp::Green, kProfile[t]);
      if (vertical) b.Set(t, a, c); else b.Set(a, t, c);
    }
  }
  for (int t = 0; t < kS; ++t) {
    const uint8_t c = Shade(Ramp::Green, kProfile[t] < 2 ? 1 : kProfile[t]);
    for (int a = 0; a < 6; ++a) {
      if (vertical) b.Set(t, a, c); else b.Set(a, t, c);
    }
    if (vertical) b.Set(t, 6, Shade(Ramp::Green, 0)); else b.Set(6, t, Shade(Ramp::Green, 0));
  }
  art::Outline(b, 0, 0, kS, kS, Shade(Ramp::Green, 0));
}

void SpikesDown(IndexedImage& b) {
  IndexedImage up(kS, kS);
  SpikesUp(up);
  for (int y = 0; y < kS; ++y)
    for (int x = 0; x < kS; ++x) b.Set(x, kS - 1 - y, up.At(x, y));
}

void Thorns(IndexedImage& b) {
  for (int i = 0; i < 3; ++i) {
    for (int x = 0; x < kS; ++x) {
      const int y = 8 + i * 8 + static_cast<int>(std::lround(std::sin(x * 0.35 + i * 2) * 3));
      art::ThickLine(b, x, y, x, y + 1, 0, Shade(Ramp::Moss, 3));
      if ((x + i * 3) % 7 == 0) {
        b.Set(x, y - 1, Shade(Ramp::Red, 5));
        b.Set(x, y - 2, Shade(Ramp::Red, 6));
        b.Set(x + 1, y + 2, Shade(Ramp::Red, 5));
      }
    }
  }
  art::Outline(b, 0, 0, kS, kS, Shade(Ramp::Moss, 0));
}

void Glass(IndexedImage& b) {
  art::Bevel(b, 0, 0, kS, kS, pal::kWhite, 0, Shade(Ramp::Cyan, 3), 2);
  for (int i = 0; i < 12; ++i) {
    b.Set(6 + i, 20 - i, Shade(Ramp::Ice, 7));
    b.Set(7 + i, 20 - i, Shade(Ramp::Ice, 6));
  }
  for (int i = 0; i < 5; ++i) b.Set(18 + i, 26 - i, Shade(Ramp::Ice, 7));
  b.FrameRect(0, 0, kS, kS, Shade(Ramp::Cyan, 2));
}

void MossyStone(IndexedImage& b) {
  StoneBlock(b);
  for (int x = 0; x < kS; ++x) {
    const int depth = 3 + art::Noise(x / 3, 0, 91) % 6;
    for (int y = 0; y < depth; ++y) b.Set(x, y, Shade(Ramp::Moss, y == 0 ? 5 : 3 + (art::Noise(x, y, 92) % 2)));
  }
  for (int i = 0; i < 10; ++i) b.Set(art::Noise(i, 3, 93) % 30 + 1, art::Noise(i, 4, 93) % 22 + 8, Shade(Ramp::Moss, 4));
}

void Pillar(IndexedImage& b) {
  for (int x = 2; x < 30; ++x) {
    const int flute = (x - 2) % 6;
    const int shade = flute == 0 ? 3 : flute == 1 ? 6 : x < 16 ? 5 : 4;
    b.FillRect(x, 0, 1, kS, Shade(Ramp::Sand, shade));
  }
  art::Bevel(b, 0, 0, kS, 4, Shade(Ramp::Sand, 7), Shade(Ramp::Sand, 5), Shade(Ramp::Sand, 2));
  art::Bevel(b, 0, 28, kS, 4, Shade(Ramp::Sand, 7), Shade(Ramp::Sand, 5), Shade(Ramp::Sand, 2));
  b.Set(20, 14, Shade(Ramp::Sand, 2));
  b.Set(21, 15, Shade(Ramp::Sand, 2));
}

void TreeTrunk(IndexedImage& b) {
  static constexpr std::array<int, 28> kProfile = {2, 3, 4, 4, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4,
                                                   4, 4, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 1, 1};
  for (int x = 2; x < 30; ++x) {
    for (int y = 0; y < kS; ++y) {
      int shade = kProfile[x - 2];
      if ((x * 7 + art::Noise(x, y / 6, 101) % 3) % 5 == 0) shade = std::max(shade - 2, 0);
      b.Set(x, y, Shade(Ramp::Brown, shade));
    }
  }
  b.FillRect(1, 0, 1, kS, Shade(Ramp::Brown, 0));
  b.FillRect(30, 0, 1, kS, Shade(Ramp::Brown, 0));
}

void Leaves(IndexedImage& b) {
  for (int y = 0; y < kS; ++y) {
    for (int x = 0; x < kS; ++x) {
      const int n = art::Noise(x / 2, y / 2, 111);
      b.Set(x, y, Shade(Ramp::Green, n < 60 ? 2 : n < 170 ? 3 : 5));
    }
  }
  for (int i = 0; i < 12; ++i) {
    const int x = art::Noise(i, 0, 112) % 28, y = art::Noise(i, 1, 112) % 28;
    art::ShadedEllipse(b, x, y, 6, 5, Ramp::Green);
  }
}

void LogPlatform(IndexedImage& b) {
  static constexpr std::array<int, 12> kProfile = {3, 5, 6, 6, 5, 5, 4, 4, 3, 3, 2, 1};
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < kS; ++x)
      b.Set(x, y, Shade(Ramp::Brown, (x % 11 == 0 && y > 1 && y < 10) ? 2 : kProfile[y]));
  art::Outline(b, 0, 0, kS, 13, Shade(Ramp::Brown, 0));
}

void SpacePanel(IndexedImage& b) {
  art::Bevel(b, 0, 0, kS, kS, Shade(Ramp::Indigo, 5), Shade(Ramp::Indigo, 3), Shade(Ramp::Indigo, 1), 2);
  b.FillRect(2, 15, 28, 2, Shade(Ramp::Indigo, 1));
  b.FillRect(15, 2, 2, 13, Shade(Ramp::Indigo, 1));
  for (int i = 0; i < 3; ++i) b.FillRect(5 + i * 8, 22, 4, 3, pal::CycleEntry(pal::Cycle::Spark, i * 3));
  b.FillRect(5, 5, 7, 7, Shade(Ramp::Cyan, 2));
  b.FillRect(6, 6, 5, 2, Shade(Ramp::Cyan, 5));
}

void Hazard(IndexedImage& b) {
  for (int y = 0; y < kS; ++y)
    for (int x = 0; x < kS; ++x)
      b.Set(x, y, ((x + y) / 6) % 2 ? Shade(Ramp::Yellow, 5) : pal::Grey(2));
  b.FrameRect(0, 0, kS, kS, pal::Grey(1));
  b.FrameRect(1, 1, kS - 2, kS - 2, pal::Grey(9));
}

void Exclamation(IndexedImage& b, uint8_t c) {
  b.FillRect(14, 7, 5, 12, c);
  b.FillRect(14, 22, 5, 4, c);
}

void SwitchOn(IndexedImage& b) {
  art::Bevel(b, 0, 0, kS, kS, Shade(Ramp::Red, 6), Shade(Ramp::Red, 4), Shade(Ramp::Red, 1), 2);
  Exclamation(b, Shade(Ramp::Red, 1));  // shadow under the white mark
  b.FillRect(13, 6, 5, 12, pal::kWhite);
  b.FillRect(13, 21, 5, 4, pal::kWhite);
  b.FrameRect(0, 0, kS, kS, Shade(Ramp::Red, 0));
}

void SwitchOff(IndexedImage& b) {
  for (int i = 0; i < kS; ++i) {
    if ((i / 3) % 2 == 0) {
      for (int t : {0, 1}) {
        b.Set(i, t, Shade(Ramp::Red, 5));
        b.Set(i, kS - 1 - t, Shade(Ramp::Red, 5));
        b.Set(t, i, Shade(Ramp::Red, 5));
        b.Set(kS - 1 - t, i, Shade(Ramp::Red, 5));
      }
    }
  }
  b.FillRect(14, 8, 4, 10, Shade(Ramp::Red, 3));
  b.FillRect(14, 21, 4, 3, Shade(Ramp::Red, 3));
}

void Cracked(IndexedImage& b) {
  StoneBlock(b, Ramp::Sand);
  const std::array<std::array<int, 4>, 6> cracks = {{{16, 0, 13, 9}, {13, 9, 18, 15}, {18, 15, 12, 24},
                                                     {12, 24, 15, 32}, {18, 15, 27, 18}, {13, 9, 5, 12}}};
  for (const auto& c : cracks) art::ThickLine(b, c[0], c[1], c[2], c[3], 0, Shade(Ramp::Sand, 0));
}

void GoldBlock(IndexedImage& b) {
  art::Bevel(b, 0, 0, kS, kS, Shade(Ramp::Gold, 7), Shade(Ramp::Gold, 5), Shade(Ramp::Gold, 2), 3);
  for (int i = 0; i < 8; ++i) b.Set(7 + i, 14 - i, pal::kWhite);
  for (int i = 0; i < 4; ++i) b.Set(9 + i, 16 - i, Shade(Ramp::Gold, 7));
  b.FrameRect(0, 0, kS, kS, Shade(Ramp::Gold, 0));
}

void PuzzleBlock(IndexedImage& b, Ramp ramp) {
  art::Bevel(b, 0, 0, kS, kS, Shade(ramp, 6), Shade(ramp, 4), Shade(ramp, 1), 3);
  art::Bevel(b, 9, 9, 14, 14, Shade(ramp, 2), Shade(ramp, 5), Shade(ramp, 7));
  b.FillRect(4, 4, 4, 2, pal::kWhite);
  b.FrameRect(0, 0, kS, kS, Shade(ramp, 0));
}

void ArrowBlock(IndexedImage& b, int dx, int dy) {
  StoneBlock(b);
  IndexedImage arrow(kS, kS);
  art::FillTriangle(arrow, 4, 16, 15, 5, 15, 27, Shade(Ramp::Yellow, 6));
  arrow.FillRect(15, 11, 13, 10, Shade(Ramp::Yellow, 5));
  art::Outline(arrow, 0, 0, kS, kS, Shade(Ramp::Gold, 1));
  for (int y = 0; y < kS; ++y) {
    for (int x = 0; x < kS; ++x) {
      // The arrow is drawn pointing left, then turned to face (dx, dy).
      int sx = x, sy = y;
      if (dx > 0) sx = kS - 1 - x;
      if (dy < 0) { sx = y; sy = x; }
      if (dy > 0) { sx = kS - 1 - y; sy = x; }
      const uint8_t c = arrow.At(sx, sy);
      if (c != 0) b.Set(x, y, c);
    }
  }
}

void Jelly(IndexedImage& b) {
  b.FillRect(2, 0, 28, kS, Shade(Ramp::Pink, 5));
  b.FillRect(0, 2, kS, 28, Shade(Ramp::Pink, 5));
  art::ShadedEllipse(b, 2, 2, 28, 28, Ramp::Pink);
  b.FillRect(5, 5, 8, 3, pal::kWhite);
  b.FillRect(5, 8, 3, 4, Shade(Ramp::Pink, 7));
  art::Outline(b, -1, -1, kS + 2, kS + 2, Shade(Ramp::Pink, 1));
}

void SkullBlock(IndexedImage& b) {
  StoneBlock(b, Ramp::Violet);
  art::Disc(b, 16, 14, 8, pal::Grey(13));
  b.FillRect(11, 18, 10, 7, pal::Grey(13));
  art::Disc(b, 12, 14, 2, pal::kBlack);
  art::Disc(b, 20, 14, 2, pal::kBlack);
  b.FillRect(15, 18, 2, 2, pal::kBlack);
  for (int x = 12; x < 21; x += 2) b.FillRect(x, 22, 1, 3, pal::Grey(5));
}

void Door(IndexedImage& b) {
  art::Bevel(b, 0, 0, kS, kS, Shade(Ramp::Stone, 5), Shade(Ramp::Stone, 3), Shade(Ramp::Stone, 1), 3);
  b.FillRect(5, 4, 22, 28, Shade(Ramp::Brown, 4));
  art::Disc(b, 16, 10, 10, Shade(Ramp::Brown, 4));
  for (int x = 6; x < 27; x += 5) b.FillRect(x, 2, 1, 30, Shade(Ramp::Brown, 2));
  art::Disc(b, 22, 19, 1, Shade(Ramp::Gold, 6));
  b.FillRect(5, 12, 22, 1, Shade(Ramp::Brown, 1));
  b.FillRect(5, 24, 22, 1, Shade(Ramp::Brown, 1));
}

void Bridge(IndexedImage& b) {
  for (int x = 0; x < kS; x += 8) art::Bevel(b, x, 4, 7, 6, Shade(Ramp::Brown, 6), Shade(Ramp::Brown, 4), Shade(Ramp::Brown, 2));
  b.FillRect(0, 1, kS, 1, Shade(Ramp::Sand, 4));
  b.FillRect(0, 11, kS, 1, Shade(Ramp::Sand, 3));
  for (int x = 3; x < kS; x += 8) b.FillRect(x, 1, 1, 11, Shade(Ramp::Sand, 5));
  art::Outline(b, 0, 0, kS, 14, Shade(Ramp::Brown, 0));
}

using BlockPainter = std::function<void(IndexedImage&)>;

// Graphic numbers 1..51 in order. The names go into the picture table of the
// status notes; the stages and the editor rely on them.
std::array<BlockPainter, 51> BlockPainters() {
  return {{
      GrassGround,                                        // 1 grass ground
      [](IndexedImage& b) { Dirt(b); },                   // 2 earth
      [](IndexedImage& b) { Brick(b, Ramp::Red); },       // 3 red brick
      [](IndexedImage& b) { StoneBlock(b); },             // 4 stone block
      Ice,                                                // 5 ice
      SpikesUp,                                           // 6 spikes (up)
      Planks,                                             // 7 wooden planks
      StarBlock,                                          // 8 star block
      Metal,                                              // 9 riveted metal
      Sand,                                               // 10 sand
      SnowGround,                                         // 11 snowy ground
      [](IndexedImage& b) { Liquid(b, pal::Cycle::Lava, 0); },   // 12 lava
      [](IndexedImage& b) { Liquid(b, pal::Cycle::Water, 3); },  // 13 water
      [](IndexedImage& b) { Conveyor(b, -1); },           // 14 conveyor (left)
      [](IndexedImage& b) { Conveyor(b, 1); },            // 15 conveyor (right)
      Spring,                                             // 16 spring
      Cloud,                                              // 17 cloud
      Bush,                                               // 18 bush
      CastleWall,                                         // 19 castle wall
      [](IndexedImage& b) { Facets(b, Ramp::Brown, 7); }, // 20 cave rock
      Crystal,                                            // 21 crystal
      Ladder,                                             // 22 ladder
      [](IndexedImage& b) { Pipe(b, true); },             // 23 pipe (vertical)
      [](IndexedImage& b) { Pipe(b, false); },            // 24 pipe (horizontal)
      SpikesDown,                                         // 25 spikes (down)
      Thorns,                                             // 26 thorns
      Glass,                                              // 27 glass
      [](IndexedImage& b) { Brick(b, Ramp::Indigo); },    // 28 dark brick
      MossyStone,                                         // 29 mossy stone
      Pillar,                                             // 30 pillar
      TreeTrunk,                                          // 31 tree trunk
      Leaves,                                             // 32 leaves
      LogPlatform,                                        // 33 log (top only)
      SpacePanel,                                         // 34 space panel
      Hazard,                                             // 35 hazard stripes
      SwitchOn,                                           // 36 switch block (solid)
      SwitchOff,                                          // 37 switch block (outline)
      Cracked,                                            // 38 cracked block
      GoldBlock,                                          // 39 gold block
      [](IndexedImage& b) { PuzzleBlock(b, Ramp::Red); },     // 40 puzzle red
      [](IndexedImage& b) { PuzzleBlock(b, Ramp::Blue); },    // 41 puzzle blue
      [](IndexedImage& b) { PuzzleBlock(b, Ramp::Green); },   // 42 puzzle green
      [](IndexedImage& b) { PuzzleBlock(b, Ramp::Yellow); },  // 43 puzzle yellow
      [](IndexedImage& b) { ArrowBlock(b, -1, 0); },      // 44 arrow left
      [](IndexedImage& b) { ArrowBlock(b, 1, 0); },       // 45 arrow right
      [](IndexedImage& b) { ArrowBlock(b, 0, -1); },      // 46 arrow up
      [](IndexedImage& b) { ArrowBlock(b, 0, 1); },       // 47 arrow down
      Jelly,                                              // 48 jelly cushion
      SkullBlock,                                         // 49 skull block
      Door,                                               // 50 door
      Bridge,                                             // 51 rope bridge (top only)
  }};
}

}  // namespace

void PaintBlock(IndexedImage& cell, int graphic) {
  if (graphic < 1 || graphic > 51) return;
  BlockPainters()[graphic - 1](cell);
}

bool GenerateBlocks(const std::filesystem::path& root) {
  IndexedImage sheet(4 * kS, 13 * kS, pal::kTransmit);
  for (int g = 1; g <= 51; ++g) {
    IndexedImage cell(kS, kS, pal::kTransmit);
    PaintBlock(cell, g);
    sheet.Blit(cell, 0, 0, kS, kS, (g / 13) * kS, (g % 13) * kS, false);
  }
  return WriteBmp8(root / "bmp" / "Block.bmp", sheet, MakeGamePalette());
}

}  // namespace vh::assetgen
