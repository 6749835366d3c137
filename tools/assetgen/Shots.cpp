// Shot.bmp (96 x 480): the sword swing in rows y 0 (facing left) and y 24
// (facing right), three 32 x 24 cells; then the 27 shot graphics, graphic g
// in the 16-pixel row at y = (g + 3) * 16 with cells 0-1 (two animation
// frames) facing left and cells 2-3 the same facing right.
#include <array>
#include <cmath>
#include <functional>

#include "Bmp8Writer.h"
#include "Generators.h"
#include "PixelArt.h"

namespace vh::assetgen {
namespace {

using pal::Ramp;
using pal::Shade;

int Round(double v) { return static_cast<int>(std::lround(v)); }

// One frame of the swing facing left: the blade at an angle with a crescent
// of motion behind it.
void SwordFrame(IndexedImage& c, int frame) {
  static constexpr double kAngle[3] = {-2.2, -2.9, 2.7};  // from straight right, y down
  const int hx = 20, hy = 16;
  const double a = kAngle[frame];
  // Motion arc: the sweep the blade has covered.
  if (frame > 0) {
    for (double t = -1.7; t > a - (frame == 2 ? 6.28 : 0) && t > -3.3 - (frame == 2 ? 2.9 : 0); t -= 0.05) {
      for (int r = 10; r < 19; ++r) {
        const int x = hx + Round(std::cos(t) * r), y = hy + Round(std::sin(t) * r);
        c.Set(x, y, r > 16 ? pal::kWhite : Shade(Ramp::Ice, r > 13 ? 6 : 5));
      }
    }
  }
  const int tx = hx + Round(std::cos(a) * 18), ty = hy + Round(std::sin(a) * 18);
  art::ThickLine(c, hx, hy, tx, ty, 1, pal::Grey(13));
  art::ThickLine(c, hx, hy, tx, ty, 0, pal::kWhite);
  const int gx = hx + Round(std::cos(a) * 4), gy = hy + Round(std::sin(a) * 4);
  art::ThickLine(c, gx - Round(std::sin(a) * 3), gy + Round(std::cos(a) * 3),
                 gx + Round(std::sin(a) * 3), gy - Round(std::cos(a) * 3), 0, Shade(Ramp::Gold, 5));
  c.Set(hx, hy, Shade(Ramp::Brown, 3));
}

using ShotPainter = std::function<void(IndexedImage&, int)>;

void Glow(IndexedImage& c, int frame, Ramp ramp) {
  const int r = frame ? 6 : 5;
  art::Disc(c, 8, 8, r, Shade(ramp, 4));
  art::Disc(c, 8, 8, r - 2, Shade(ramp, 6));
  art::Disc(c, 7, 7, 1, pal::kWhite);
}

void Comet(IndexedImage& c, int frame, Ramp ramp, Ramp core) {
  for (int i = 0; i < 6; ++i) art::Disc(c, 9 + i, 8 + (i % 2 ? frame : -frame) / 2, 4 - i * 2 / 3, Shade(ramp, 3 + (i < 3)));
  art::Disc(c, 6, 8, 4, Shade(ramp, 5));
  art::Disc(c, 5, 8, 2, Shade(core, 7));
}

std::array<ShotPainter, 27> ShotPainters() {
  return {{
      [](IndexedImage& c, int f) { Glow(c, f, Ramp::Cyan); },                  // 0 energy ball
      [](IndexedImage& c, int f) { Comet(c, f, Ramp::Orange, Ramp::Yellow); }, // 1 fireball
      [](IndexedImage& c, int f) {                                             // 2 ice shard
        art::FillTriangle(c, 1, 8, 12, 4 + f, 12, 12 - f, Shade(Ramp::Ice, 6));
        art::FillTriangle(c, 12, 4 + f, 15, 8, 12, 12 - f, Shade(Ramp::Ice, 4));
        c.FillRect(3, 7, 6, 1, pal::kWhite);
      },
      [](IndexedImage& c, int f) {                                             // 3 arrow
        c.FillRect(3, 7, 11, 2, Shade(Ramp::Brown, 5));
        art::FillTriangle(c, 0, 8, 4, 5, 4, 10, pal::Grey(12));
        art::FillTriangle(c, 12, 8, 15, 4 + f, 15, 8, Shade(Ramp::Red, 5));
        art::FillTriangle(c, 12, 8, 15, 12 - f, 15, 8, Shade(Ramp::Red, 4));
      },
      [](IndexedImage& c, int f) {                                             // 4 bullet
        c.FillEllipse(3, 5, 10, 6, pal::Grey(10));
        c.FillRect(8, 5, 5, 6, pal::Grey(7));
        c.FillRect(4, 6, 3, 1, pal::kWhite);
        if (f) c.FillRect(13, 7, 3, 2, Shade(Ramp::Yellow, 6));
      },
      [](IndexedImage& c, int f) {                                             // 5 star
        art::Star(c, 8, 8 + f, 7, Shade(Ramp::Yellow, 5));
        art::Star(c, 8, 8 + f, 4, Shade(Ramp::Yellow, 7));
      },
      [](IndexedImage& c, int f) {                                             // 6 leaf
        c.FillEllipse(2, 5 - f, 12, 6 + 2 * f, Shade(Ramp::Green, 5));
        art::ThickLine(c, 2, 8, 14, 8, 0, Shade(Ramp::Green, 2));
      },
      [](IndexedImage& c, int f) {                                             // 7 bubble
        art::Circle(c, 8, 8, 6 - f, Shade(Ramp::Sky, 6));
        c.FillRect(5, 5, 2, 2, pal::kWhite);
      },
      [](IndexedImage& c, int f) {                                             // 8 lightning
        const int o = f ? 1 : -1;
        art::ThickLine(c, 15, 3 + o, 10, 9, 1, Shade(Ramp::Yellow, 6));
        art::ThickLine(c, 10, 7, 5, 12 - o, 1, Shade(Ramp::Yellow, 6));
        art::ThickLine(c, 5, 12 - o, 0, 8, 0, pal::kWhite);
      },
      [](IndexedImage& c, int f) {                                             // 9 rock
        art::ShadedEllipse(c, 2, 3 + f, 12, 11, Ramp::Brown);
        c.Set(6, 6 + f, Shade(Ramp::Brown, 7));
      },
      [](IndexedImage& c, int f) {                                             // 10 shuriken
        for (int i = 0; i < 4; ++i) {
          const double a = i * M_PI / 2 + f * M_PI / 4;
          art::FillTriangle(c, 8 + Round(std::cos(a) * 7), 8 + Round(std::sin(a) * 7),
                            8 + Round(std::cos(a + 1.2) * 3), 8 + Round(std::sin(a + 1.2) * 3), 8, 8,
                            pal::Grey(11));
        }
        art::Disc(c, 8, 8, 1, pal::Grey(3));
      },
      [](IndexedImage& c, int f) {                                             // 11 laser
        c.FillRect(0, 6, 16, 4, Shade(Ramp::Red, 5));
        c.FillRect(0, 7, 16, 2, f ? pal::kWhite : Shade(Ramp::Pink, 7));
      },
      [](IndexedImage& c, int f) {                                             // 12 heart
        art::Disc(c, 5, 6 + f, 3, Shade(Ramp::Pink, 5));
        art::Disc(c, 10, 6 + f, 3, Shade(Ramp::Pink, 5));
        art::FillTriangle(c, 2, 7 + f, 13, 7 + f, 8, 13 + f, Shade(Ramp::Pink, 5));
        c.Set(4, 5 + f, pal::kWhite);
      },
      [](IndexedImage& c, int f) {                                             // 13 note
        c.FillEllipse(3, 10 - f, 6, 5, Shade(Ramp::Violet, 5));
        c.FillRect(8, 2 - f, 2, 10, Shade(Ramp::Violet, 4));
        c.FillRect(8, 2 - f, 6, 2, Shade(Ramp::Violet, 4));
      },
      [](IndexedImage& c, int f) {                                             // 14 bone
        if (f) {
          c.FillRect(6, 2, 4, 12, pal::Grey(14));
          for (auto [x, y] : {std::pair{6, 2}, {9, 2}, {6, 13}, {9, 13}}) art::Disc(c, x, y, 2, pal::Grey(14));
        } else {
          c.FillRect(2, 6, 12, 4, pal::Grey(14));
          for (auto [x, y] : {std::pair{2, 6}, {2, 9}, {13, 6}, {13, 9}}) art::Disc(c, x, y, 2, pal::Grey(14));
        }
      },
      [](IndexedImage& c, int f) {                                             // 15 knife
        art::FillTriangle(c, 0, 8, 10, 6, 10, 10, pal::Grey(13));
        c.FillRect(1, 8, 9, 1, pal::kWhite);
        c.FillRect(10, 5, 2, 7, Shade(Ramp::Gold, 5));
        c.FillRect(12, 7, 4, 3, Shade(Ramp::Brown, 3 + f));
      },
      [](IndexedImage& c, int f) {                                             // 16 missile
        c.FillRect(3, 6, 9, 5, pal::Grey(11));
        art::FillTriangle(c, 0, 8, 3, 5, 3, 11, Shade(Ramp::Red, 5));
        art::FillTriangle(c, 9, 6, 12, 2, 12, 6, Shade(Ramp::Red, 4));
        art::FillTriangle(c, 9, 10, 12, 14, 12, 10, Shade(Ramp::Red, 4));
        art::Disc(c, 14, 8, 1 + f, Shade(Ramp::Orange, 6));
      },
      [](IndexedImage& c, int f) {                                             // 17 water drop
        art::FillTriangle(c, 1, 8, 9, 3, 9, 13, Shade(Ramp::Sky, 5));
        art::Disc(c, 10, 8, 4 + f, Shade(Ramp::Sky, 5));
        c.FillRect(8, 6, 2, 2, pal::kWhite);
      },
      [](IndexedImage& c, int f) {                                             // 18 poison
        art::ShadedEllipse(c, 3, 4 + f, 10, 9 - f, Ramp::Violet);
        c.Set(4, 13, Shade(Ramp::Violet, 4));
        c.Set(10, 14 - f, Shade(Ramp::Violet, 4));
      },
      [](IndexedImage& c, int f) {                                             // 19 ring
        art::Circle(c, 8, 8, 5 + f, pal::CycleEntry(pal::Cycle::Spark, 4));
        art::Circle(c, 8, 8, 4 + f, Shade(Ramp::Cyan, 6));
      },
      [](IndexedImage& c, int f) { Glow(c, f, Ramp::Indigo); },                // 20 dark orb
      [](IndexedImage& c, int f) { Glow(c, f, Ramp::Yellow); },                // 21 light orb
      [](IndexedImage& c, int f) {                                             // 22 feather
        art::ThickLine(c, 1, 9 + f, 14, 6 - f, 0, pal::Grey(9));
        for (int i = 2; i < 13; ++i) {
          const int y = 9 + f - (i * (3 + 2 * f)) / 13;
          c.FillRect(i, y - 3, 1, 3, pal::kWhite);
          c.FillRect(i, y + 1, 1, 2, Shade(Ramp::Ice, 6));
        }
      },
      [](IndexedImage& c, int f) {                                             // 23 bomb
        art::ShadedEllipse(c, 2, 4, 11, 11, Ramp::Indigo);
        c.FillRect(9, 2, 2, 3, pal::Grey(8));
        art::Disc(c, 11, 1, f, Shade(Ramp::Orange, 6));
        c.Set(5, 7, pal::kWhite);
      },
      [](IndexedImage& c, int f) {                                             // 24 flame
        art::FillTriangle(c, 0, 8, 12, 2 + f, 12, 14 - f, Shade(Ramp::Red, 5));
        art::FillTriangle(c, 3, 8, 12, 5, 12, 11, Shade(Ramp::Orange, 6));
        art::Disc(c, 11, 8, 3, Shade(Ramp::Yellow, 6));
      },
      [](IndexedImage& c, int f) {                                             // 25 wind
        for (int i = 0; i < 3; ++i) {
          const int y = 4 + i * 4;
          art::ThickLine(c, 2 + (i + f) % 2 * 2, y, 14, y, 0, Shade(Ramp::Ice, 6 - i % 2));
        }
        art::Circle(c, 4, 8, 2, pal::kWhite);
      },
      [](IndexedImage& c, int f) { Glow(c, f, Ramp::Pink); },                  // 26 big orb
  }};
}

}  // namespace

bool GenerateShots(const std::filesystem::path& root) {
  IndexedImage sheet(96, 480, pal::kTransmit);
  for (int frame = 0; frame < 3; ++frame) {
    IndexedImage cell(32, 24);
    SwordFrame(cell, frame);
    art::Outline(cell, 0, 0, 32, 24, Shade(Ramp::Sky, 1));
    sheet.Blit(cell, 0, 0, 32, 24, frame * 32, 0, false);
    art::MirrorInPlace(cell, 0, 0, 32, 24);
    sheet.Blit(cell, 0, 0, 32, 24, frame * 32, 24, false);
  }
  const auto painters = ShotPainters();
  for (int g = 0; g < 27; ++g) {
    for (int frame = 0; frame < 2; ++frame) {
      IndexedImage cell(16, 16);
      painters[g](cell, frame);
      art::Outline(cell, 0, 0, 16, 16, pal::kBlack);
      const int y = (g + 3) * 16;
      sheet.Blit(cell, 0, 0, 16, 16, frame * 16, y, false);
      art::MirrorInPlace(cell, 0, 0, 16, 16);
      sheet.Blit(cell, 0, 0, 16, 16, (frame + 2) * 16, y, false);
    }
  }
  return WriteBmp8(root / "bmp" / "Shot.bmp", sheet, MakeGamePalette());
}

}  // namespace vh::assetgen
