// Item.bmp (384 x 416): item graphic g (1..51) in two 32 x 32 animation cells
// at x = (cell + (g / 13) * 2) * 32, y = (g mod 13) * 32; from x = 256 the
// 16 x 16 marks shown above characters and in the popup: graphic p at
// ((p / 13 + 8) * 32, (p mod 13) * 16), its second picture 16 pixels right.
#include <array>
#include <cmath>
#include <functional>

#include "Bmp8Writer.h"
#include "Generators.h"
#include "ItemArt.h"
#include "PixelArt.h"

namespace vh::assetgen {
namespace {

using pal::Ramp;
using pal::Shade;
constexpr uint8_t kWhite = pal::kWhite;
constexpr uint8_t kBlack = pal::kBlack;

using ItemPainter = std::function<void(IndexedImage&, int)>;

void Coin(IndexedImage& c, int f) {
  const int w = f ? 10 : 20;
  c.FillEllipse(16 - w / 2, 6, w, 22, Shade(Ramp::Gold, 3));
  c.FillEllipse(16 - w / 2 + 1, 7, w - 3, 19, Shade(Ramp::Gold, 6));
  c.FillRect(15, 11, 2, 12, Shade(Ramp::Gold, 3));
  c.FillRect(16 - w / 2 + 3, 10, 2, 4, kWhite);
}

void Gem(IndexedImage& c, int f, Ramp ramp) {
  art::FillTriangle(c, 5, 13, 27, 13, 16, 29, Shade(ramp, 3));
  art::FillTriangle(c, 5, 13, 16, 13, 16, 29, Shade(ramp, 4));
  c.FillRect(9, 7, 14, 6, Shade(ramp, 6));
  art::FillTriangle(c, 5, 13, 9, 7, 9, 13, Shade(ramp, 5));
  art::FillTriangle(c, 27, 13, 23, 7, 23, 13, Shade(ramp, 4));
  c.FillRect(11, 8, 4, 2, kWhite);
  if (f) art::Star(c, 24, 6, 3, kWhite);
}

void Heart(IndexedImage& c, int f, int size) {
  const int r = size, cy = 12 + f;
  art::Disc(c, 16 - r, cy, r, Shade(Ramp::Red, 5));
  art::Disc(c, 16 + r - 1, cy, r, Shade(Ramp::Red, 4));
  art::FillTriangle(c, 16 - 2 * r - 1, cy + 1, 16 + 2 * r, cy + 1, 16, cy + 2 * r + 5, Shade(Ramp::Red, 4));
  art::FillTriangle(c, 16 - 2 * r - 1, cy + 1, 16, cy + 1, 16, cy + 2 * r + 5, Shade(Ramp::Red, 5));
  c.FillRect(16 - r - 2, cy - 2, 3, 2, kWhite);
}

void Potion(IndexedImage& c, int f, Ramp ramp) {
  art::ShadedEllipse(c, 7, 12, 18, 18, Ramp::Ice);
  c.FillEllipse(9, 17 + f, 14, 11 - f, Shade(ramp, 5));
  c.FillRect(13, 5, 6, 8, Shade(Ramp::Ice, 6));
  c.FillRect(12, 3, 8, 3, Shade(Ramp::Brown, 4));
  c.FillRect(10, 15, 2, 4, kWhite);
}

void StarItem(IndexedImage& c, int f) {
  art::Star(c, 16, 17, 13, Shade(Ramp::Gold, 4));
  art::Star(c, 16, 16, 11, f ? kWhite : Shade(Ramp::Yellow, 6));
  c.FillRect(13, 13, 2, 4, kBlack);
  c.FillRect(18, 13, 2, 4, kBlack);
}

void Key(IndexedImage& c, int f) {
  art::Circle(c, 10, 11, 6, Shade(Ramp::Gold, 5));
  art::Circle(c, 10, 11, 5, Shade(Ramp::Gold, 6));
  art::ThickLine(c, 15, 15, 27, 27, 1, Shade(Ramp::Gold, 5));
  c.FillRect(22, 24, 3, 4, Shade(Ramp::Gold, 5));
  c.FillRect(25, 21, 3, 4, Shade(Ramp::Gold, 5));
  if (f) art::Star(c, 6, 6, 3, kWhite);
}

void Clock(IndexedImage& c, int f) {
  art::Disc(c, 16, 17, 12, Shade(Ramp::Red, 4));
  art::Disc(c, 16, 17, 10, kWhite);
  art::ThickLine(c, 16, 17, 16, 9, 0, kBlack);
  art::ThickLine(c, 16, 17, f ? 22 : 21, f ? 20 : 13, 0, kBlack);
  c.FillRect(11, 3, 3, 3, Shade(Ramp::Red, 4));
  c.FillRect(19, 3, 3, 3, Shade(Ramp::Red, 4));
}

void Wings(IndexedImage& c, int f) {
  for (int side = -1; side <= 1; side += 2) {
    for (int i = 0; i < 3; ++i) {
      const int tipX = 16 + side * (14 - i * 2), tipY = (f ? 10 : 6) + i * 5;
      art::ThickLine(c, 16 + side * 2, 18, tipX, tipY, 2, i == 0 ? kWhite : Shade(Ramp::Ice, 6 - i));
    }
  }
  art::Disc(c, 16, 19, 3, Shade(Ramp::Gold, 6));
}

void Boots(IndexedImage& c, int f) {
  c.FillRect(13, 6 - f, 9, 16, Shade(Ramp::Red, 4));
  c.FillRect(5, 20 - f, 17, 8, Shade(Ramp::Red, 5));
  c.FillRect(5, 27 - f, 18, 3, Shade(Ramp::Brown, 2));
  c.FillRect(13, 6 - f, 9, 3, kWhite);
  for (int i = 0; i < 3; ++i) c.FillRect(24 + i * 2, 12 + i * 4 - f, 4, 1, Shade(Ramp::Sky, 6));
}

void Sword(IndexedImage& c, int f) {
  art::ThickLine(c, 9, 23, 25, 5, 1, pal::Grey(12));
  art::ThickLine(c, 10, 22, 25, 5, 0, kWhite);
  art::ThickLine(c, 6, 18, 14, 26, 1, Shade(Ramp::Gold, 5));
  art::ThickLine(c, 9, 23, 5, 27, 1, Shade(Ramp::Brown, 3));
  if (f) art::Star(c, 24, 7, 3, kWhite);
}

void Shield(IndexedImage& c, int f) {
  c.FillRect(6, 5, 20, 12, Shade(Ramp::Blue, 4));
  art::FillTriangle(c, 6, 16, 26, 16, 16, 30, Shade(Ramp::Blue, 4));
  c.FillRect(8, 7, 8, 9, Shade(Ramp::Blue, 6));
  art::ThickLine(c, 16, 7, 16, 26, 1, Shade(Ramp::Gold, 6));
  art::ThickLine(c, 8, 13, 24, 13, 1, Shade(Ramp::Gold, 6));
  if (f) c.FillRect(9, 8, 2, 3, kWhite);
}

void Bow(IndexedImage& c, int) {
  for (int t = -12; t <= 12; ++t) {
    const int x = 12 - static_cast<int>(std::lround(std::sqrt(144.0 - t * t) * 0.7));
    art::Disc(c, x + 6, 16 + t, 1, Shade(Ramp::Brown, 4));
  }
  art::ThickLine(c, 10, 4, 10, 28, 0, kWhite);
  art::ThickLine(c, 8, 16, 28, 16, 0, Shade(Ramp::Brown, 5));
  art::FillTriangle(c, 28, 16, 24, 13, 24, 19, pal::Grey(12));
}

void Staff(IndexedImage& c, int f) {
  art::ThickLine(c, 8, 29, 21, 10, 1, Shade(Ramp::Brown, 4));
  art::Disc(c, 22, 8, 5, Shade(Ramp::Violet, f ? 6 : 5));
  c.FillRect(20, 6, 2, 2, kWhite);
}

void Apple(IndexedImage& c, int f) {
  art::ShadedEllipse(c, 6, 8 + f, 21, 20, Ramp::Red);
  art::ThickLine(c, 16, 9 + f, 18, 3 + f, 0, Shade(Ramp::Brown, 3));
  c.FillEllipse(18, 3 + f, 7, 4, Shade(Ramp::Green, 5));
}

void Cherries(IndexedImage& c, int f) {
  art::ThickLine(c, 10, 20, 18, 4, 0, Shade(Ramp::Green, 3));
  art::ThickLine(c, 22, 21, 18, 4, 0, Shade(Ramp::Green, 3));
  art::ShadedEllipse(c, 4, 18 - f, 11, 11, Ramp::Red);
  art::ShadedEllipse(c, 17, 19, 11, 11, Ramp::Red);
}

void Bread(IndexedImage& c, int f) {
  art::ShadedEllipse(c, 3, 10 + f, 26, 17, Ramp::Sand);
  for (int i = 0; i < 3; ++i) art::ThickLine(c, 9 + i * 6, 13 + f, 12 + i * 6, 18 + f, 0, Shade(Ramp::Brown, 3));
}

void OneUp(IndexedImage& c, int f) {
  art::ShadedEllipse(c, 5, 4 + f, 22, 14, Ramp::Blue);
  c.FillRect(2, 14 + f, 14, 3, Shade(Ramp::Blue, 3));
  c.FillRect(13, 7 + f, 5, 5, kWhite);
  c.FillRect(4, 20, 24, 10, Shade(Ramp::Green, 4));
  // "1UP" in tiny blocks.
  c.FillRect(6, 22, 2, 6, kWhite);
  c.FillRect(10, 22, 2, 6, kWhite);
  c.FillRect(14, 22, 2, 6, kWhite);
  c.FillRect(10, 27, 6, 1, kWhite);
  c.FillRect(19, 22, 2, 6, kWhite);
  c.FillRect(19, 22, 6, 2, kWhite);
  c.FillRect(23, 22, 2, 4, kWhite);
  c.FillRect(19, 25, 6, 1, kWhite);
}

void Flag(IndexedImage& c, int f) {
  c.FillRect(8, 3, 2, 27, pal::Grey(12));
  art::Disc(c, 9, 3, 2, Shade(Ramp::Gold, 6));
  for (int x = 10; x < 27; ++x) {
    const int wave = static_cast<int>(std::lround(std::sin(x * 0.5 + f * 2) * 1.5));
    c.FillRect(x, 5 + wave, 1, 11, ((x / 4) % 2) ? Shade(Ramp::Red, 5) : kWhite);
  }
  c.FillRect(4, 28, 10, 3, Shade(Ramp::Stone, 4));
}

void Portal(IndexedImage& c, int f) {
  for (int r = 13; r > 0; r -= 2) art::Disc(c, 16, 16, r, pal::CycleEntry(pal::Cycle::Rainbow, (r / 2 + f * 3) & 7));
  art::Disc(c, 16, 16, 3, kWhite);
}

void Lever(IndexedImage& c, int on) {
  art::Bevel(c, 6, 22, 20, 8, Shade(Ramp::Stone, 6), Shade(Ramp::Stone, 4), Shade(Ramp::Stone, 2));
  art::ThickLine(c, 16, 24, on ? 24 : 8, 8, 1, pal::Grey(10));
  art::Disc(c, on ? 24 : 8, 8, 3, on ? Shade(Ramp::Green, 5) : Shade(Ramp::Red, 5));
}

void Sign(IndexedImage& c, int f) {
  c.FillRect(14, 18, 4, 13, Shade(Ramp::Brown, 3));
  art::Bevel(c, 4, 5, 24, 15, Shade(Ramp::Sand, 6), Shade(Ramp::Sand, 5), Shade(Ramp::Brown, 3));
  for (int i = 0; i < 3; ++i) c.FillRect(7, 8 + i * 4, i == 2 ? 10 : 17, 2, Shade(Ramp::Brown, 2));
  if (f) c.FillRect(25, 3, 3, 3, Shade(Ramp::Yellow, 6));
}

void Chest(IndexedImage& c, int f) {
  art::Bevel(c, 4, 14, 24, 15, Shade(Ramp::Brown, 6), Shade(Ramp::Brown, 4), Shade(Ramp::Brown, 2));
  art::ShadedEllipse(c, 4, 6 - f, 24, 14, Ramp::Brown);
  c.FillRect(4, 13 - f, 24, 2, Shade(Ramp::Gold, 5));
  c.FillRect(14, 15, 4, 5, Shade(Ramp::Gold, 6));
  c.Set(15, 17, kBlack);
}

void Crown(IndexedImage& c, int f) {
  c.FillRect(5, 18, 22, 8, Shade(Ramp::Gold, 5));
  for (int i = 0; i < 3; ++i) art::FillTriangle(c, 5 + i * 8, 19, 9 + i * 8 + (i == 2 ? 1 : 0), 6, 13 + i * 8, 19, Shade(Ramp::Gold, 6));
  art::Disc(c, 16, 22, 2, Shade(Ramp::Red, 5));
  art::Disc(c, 9, 22, 1, Shade(Ramp::Blue, 6));
  art::Disc(c, 23, 22, 1, Shade(Ramp::Green, 6));
  if (f) art::Star(c, 26, 7, 3, kWhite);
}

void Ring(IndexedImage& c, int f) {
  art::Circle(c, 16, 20, 8, Shade(Ramp::Gold, 5));
  art::Circle(c, 16, 20, 7, Shade(Ramp::Gold, 6));
  art::ShadedEllipse(c, 11, 5, 10, 9, Ramp::Cyan);
  if (f) art::Star(c, 22, 5, 3, kWhite);
}

void Bell(IndexedImage& c, int f) {
  const int s = f ? 1 : -1;
  art::ShadedEllipse(c, 8 + s, 5, 16, 16, Ramp::Gold);
  c.FillRect(7 + s, 13, 18, 10, Shade(Ramp::Gold, 5));
  c.FillRect(5 + s, 22, 22, 3, Shade(Ramp::Gold, 4));
  art::Disc(c, 16 - s, 27, 2, Shade(Ramp::Gold, 3));
}

void Bomb(IndexedImage& c, int f) {
  art::ShadedEllipse(c, 5, 9, 21, 21, Ramp::Indigo);
  c.FillRect(17, 6, 4, 5, pal::Grey(8));
  art::ThickLine(c, 19, 6, 23, 2, 0, Shade(Ramp::Sand, 5));
  art::Star(c, 24, 2, f ? 4 : 2, Shade(Ramp::Orange, 6));
  c.FillRect(10, 13, 3, 3, kWhite);
}

void Scroll(IndexedImage& c, int) {
  c.FillRect(7, 7, 18, 19, Shade(Ramp::Sand, 6));
  for (int i = 0; i < 4; ++i) c.FillRect(10, 10 + i * 4, 12, 1, Shade(Ramp::Brown, 3));
  art::ShadedEllipse(c, 4, 4, 24, 6, Ramp::Brown);
  art::ShadedEllipse(c, 4, 24, 24, 6, Ramp::Brown);
}

void CrystalBall(IndexedImage& c, int f) {
  art::Bevel(c, 8, 24, 16, 6, Shade(Ramp::Gold, 6), Shade(Ramp::Gold, 4), Shade(Ramp::Gold, 2));
  art::ShadedEllipse(c, 6, 4, 20, 20, Ramp::Violet);
  art::Disc(c, 16, 14, 4, pal::CycleEntry(pal::Cycle::Spark, f * 4));
  c.FillRect(10, 8, 3, 3, kWhite);
}

void Feather(IndexedImage& c, int f) {
  art::ThickLine(c, 8, 28, 24, 4, 0, pal::Grey(9));
  for (int t = 0; t < 20; ++t) {
    const int x = 9 + t * 15 / 20, y = 26 - t * 22 / 20;
    art::ThickLine(c, x, y, x - 4, y - 3 + f, 0, kWhite);
    art::ThickLine(c, x, y, x + 4, y + 1, 0, Shade(Ramp::Ice, 6));
  }
}

void Lantern(IndexedImage& c, int f) {
  c.FillRect(10, 3, 12, 3, pal::Grey(6));
  c.FillRect(15, 1, 2, 3, pal::Grey(8));
  c.FillRect(9, 6, 14, 20, Shade(Ramp::Yellow, f ? 7 : 6));
  c.FillRect(9, 6, 2, 20, pal::Grey(6));
  c.FillRect(21, 6, 2, 20, pal::Grey(6));
  c.FillRect(8, 26, 16, 3, pal::Grey(6));
  art::Disc(c, 16, 16, 3, Shade(Ramp::Orange, 6));
}

void Hourglass(IndexedImage& c, int f) {
  c.FillRect(7, 3, 18, 3, Shade(Ramp::Brown, 4));
  c.FillRect(7, 27, 18, 3, Shade(Ramp::Brown, 4));
  art::FillTriangle(c, 9, 6, 23, 6, 16, 16, Shade(Ramp::Ice, 6));
  art::FillTriangle(c, 9, 27, 23, 27, 16, 17, Shade(Ramp::Ice, 6));
  art::FillTriangle(c, 12 - f, 9 + f * 2, 20 + f, 9 + f * 2, 16, 15, Shade(Ramp::Sand, 5));
  art::FillTriangle(c, 11, 27, 21, 27, 16, 21 - f * 2, Shade(Ramp::Sand, 5));
}

void Note(IndexedImage& c, int f) {
  c.FillEllipse(5, 20 - f, 10, 8, Shade(Ramp::Pink, 5));
  c.FillEllipse(17, 17 - f, 10, 8, Shade(Ramp::Pink, 5));
  c.FillRect(13, 5 - f, 2, 19, Shade(Ramp::Pink, 4));
  c.FillRect(25, 3 - f, 2, 18, Shade(Ramp::Pink, 4));
  c.FillRect(13, 3 - f, 14, 4, Shade(Ramp::Pink, 4));
}

void Trophy(IndexedImage& c, int f) {
  art::ShadedEllipse(c, 7, 3, 18, 16, Ramp::Gold);
  art::Circle(c, 7, 9, 3, Shade(Ramp::Gold, 5));
  art::Circle(c, 25, 9, 3, Shade(Ramp::Gold, 5));
  c.FillRect(14, 18, 4, 6, Shade(Ramp::Gold, 4));
  art::Bevel(c, 9, 24, 14, 6, Shade(Ramp::Brown, 5), Shade(Ramp::Brown, 4), Shade(Ramp::Brown, 2));
  if (f) art::Star(c, 12, 6, 3, kWhite);
}

void Book(IndexedImage& c, int f) {
  art::Bevel(c, 6, 5, 20, 24, Shade(Ramp::Blue, 5), Shade(Ramp::Blue, 4), Shade(Ramp::Blue, 2));
  c.FillRect(8, 26, 17, 2, kWhite);
  art::Star(c, 16, 15, 5, Shade(Ramp::Gold, f ? 7 : 6));
}

void Candy(IndexedImage& c, int f) {
  art::FillTriangle(c, 2, 10, 2, 22, 9, 16, Shade(Ramp::Pink, 5 + f));
  art::FillTriangle(c, 30, 10, 30, 22, 23, 16, Shade(Ramp::Pink, 5 + f));
  art::ShadedEllipse(c, 8, 9, 16, 14, Ramp::Pink);
  art::ThickLine(c, 12, 10, 18, 21, 0, kWhite);
}

void Carrot(IndexedImage& c, int f) {
  art::FillTriangle(c, 9, 10, 23, 10, 16, 30, Shade(Ramp::Orange, 5));
  for (int y = 14; y < 26; y += 4) c.FillRect(13, y, 4, 1, Shade(Ramp::Orange, 3));
  art::FillTriangle(c, 12, 10, 16, 1 + f, 16, 10, Shade(Ramp::Green, 5));
  art::FillTriangle(c, 16, 10, 20, 2 - f, 19, 10, Shade(Ramp::Green, 4));
}

void FishFood(IndexedImage& c, int f) {
  art::ShadedEllipse(c, 4, 11, 20, 12, Ramp::Sky);
  art::FillTriangle(c, 22, 17, 29, 10 + f, 29, 24 - f, Shade(Ramp::Sky, 4));
  c.FillRect(8, 14, 2, 2, kBlack);
}

void Bone(IndexedImage& c, int) {
  art::ThickLine(c, 8, 24, 24, 8, 2, pal::Grey(14));
  for (auto [x, y] : {std::pair{5, 23}, {9, 27}, {23, 5}, {27, 9}}) art::Disc(c, x, y, 3, pal::Grey(14));
}

void Pearl(IndexedImage& c, int f) {
  art::ShadedEllipse(c, 3, 16, 26, 12, Ramp::Pink);
  art::ShadedEllipse(c, 10, 8 - f, 12, 12, Ramp::Ice);
  c.FillRect(12, 10 - f, 3, 3, kWhite);
}

void CoinBag(IndexedImage& c, int f) {
  art::ShadedEllipse(c, 5, 10, 22, 20, Ramp::Sand);
  c.FillRect(12, 6, 8, 5, Shade(Ramp::Sand, 4));
  c.FillRect(10, 9, 12, 2, Shade(Ramp::Brown, 3));
  art::Disc(c, 16, 21, 5, Shade(Ramp::Gold, f ? 7 : 6));
  c.FillRect(15, 18, 2, 7, Shade(Ramp::Gold, 3));
}

void ArrowSign(IndexedImage& c, int f) {
  c.FillRect(14, 16, 4, 15, Shade(Ramp::Brown, 3));
  c.FillRect(3 + f, 6, 18, 11, Shade(Ramp::Green, 5));
  art::FillTriangle(c, 21 + f, 2, 21 + f, 20, 30, 11, Shade(Ramp::Green, 5));
  c.FillRect(5 + f, 10, 16, 3, kWhite);
}

void SpringShoes(IndexedImage& c, int f) {
  c.FillRect(7, 6, 16, 10, Shade(Ramp::Lime, 5));
  c.FillRect(5, 12, 20, 4, Shade(Ramp::Lime, 4));
  for (int i = 0; i < 4; ++i) art::ThickLine(c, 9, 18 + i * (3 - f), 21, 17 + i * (3 - f), 0, pal::Grey(11));
  c.FillRect(7, 28 - f * 3, 16, 2, pal::Grey(6));
}

void Gift(IndexedImage& c, int f) {
  art::Bevel(c, 5, 12, 22, 18, Shade(Ramp::Violet, 6), Shade(Ramp::Violet, 4), Shade(Ramp::Violet, 2));
  c.FillRect(5, 10 - f, 22, 4, Shade(Ramp::Violet, 5));
  c.FillRect(14, 10 - f, 4, 20 + f, Shade(Ramp::Yellow, 6));
  c.FillEllipse(8, 4 - f, 8, 7, Shade(Ramp::Yellow, 6));
  c.FillEllipse(16, 4 - f, 8, 7, Shade(Ramp::Yellow, 6));
}

void Skull(IndexedImage& c, int f) {
  art::ShadedEllipse(c, 6, 5 + f, 20, 18, Ramp::Ice);
  c.FillRect(10, 20 + f, 12, 7, Shade(Ramp::Ice, 6));
  art::Disc(c, 12, 14 + f, 3, kBlack);
  art::Disc(c, 20, 14 + f, 3, kBlack);
  for (int x = 11; x < 22; x += 3) c.FillRect(x, 23 + f, 1, 4, Shade(Ramp::Ice, 2));
  art::Disc(c, 12, 14 + f, 1, Shade(Ramp::Lime, 6));
  art::Disc(c, 20, 14 + f, 1, Shade(Ramp::Lime, 6));
}

void Moon(IndexedImage& c, int f) {
  art::Disc(c, 16, 16, 12, Shade(Ramp::Yellow, 6));
  art::Disc(c, 22, 12, 10, 0);
  if (f) art::Star(c, 25, 24, 3, kWhite);
}

void Sun(IndexedImage& c, int f) {
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4 + f * M_PI / 8;
    art::ThickLine(c, 16, 16, 16 + static_cast<int>(std::lround(std::cos(a) * 14)),
                   16 + static_cast<int>(std::lround(std::sin(a) * 14)), 1, Shade(Ramp::Orange, 6));
  }
  art::ShadedEllipse(c, 7, 7, 19, 19, Ramp::Yellow);
}

// Graphics 1..51 in order; the status notes list them by name.
std::array<ItemPainter, 51> ItemPainters() {
  return {{
      Coin,                                                          // 1 coin
      [](IndexedImage& c, int f) { Gem(c, f, Ramp::Red); },          // 2 red gem
      [](IndexedImage& c, int f) { Gem(c, f, Ramp::Blue); },         // 3 blue gem
      [](IndexedImage& c, int f) { Gem(c, f, Ramp::Green); },        // 4 green gem
      [](IndexedImage& c, int f) { Heart(c, f, 5); },                // 5 small heart
      [](IndexedImage& c, int f) { Heart(c, f, 7); },                // 6 big heart
      StarItem,                                                      // 7 star
      Key,                                                           // 8 key
      Clock,                                                         // 9 clock
      Wings,                                                         // 10 wings
      Boots,                                                         // 11 boots
      Sword,                                                         // 12 sword
      Shield,                                                        // 13 shield
      Bow,                                                           // 14 bow
      Staff,                                                         // 15 magic staff
      [](IndexedImage& c, int f) { Potion(c, f, Ramp::Blue); },      // 16 blue potion
      [](IndexedImage& c, int f) { Potion(c, f, Ramp::Green); },     // 17 green potion
      Apple,                                                         // 18 apple
      Cherries,                                                      // 19 cherries
      Bread,                                                         // 20 bread
      OneUp,                                                         // 21 extra life
      Flag,                                                          // 22 goal flag
      Portal,                                                        // 23 warp portal
      [](IndexedImage& c, int) { Lever(c, 0); },                     // 24 lever (off)
      [](IndexedImage& c, int) { Lever(c, 1); },                     // 25 lever (on)
      Sign,                                                          // 26 sign board
      Chest,                                                         // 27 treasure chest
      Crown,                                                         // 28 crown
      Ring,                                                          // 29 ring
      Bell,                                                          // 30 bell
      Bomb,                                                          // 31 bomb
      Scroll,                                                        // 32 scroll
      CrystalBall,                                                   // 33 crystal ball
      Feather,                                                       // 34 feather
      Lantern,                                                       // 35 lantern
      Hourglass,                                                     // 36 hourglass
      Note,                                                          // 37 music note
      Trophy,                                                        // 38 trophy
      Book,                                                          // 39 book
      Candy,                                                         // 40 candy
      Carrot,                                                        // 41 carrot
      FishFood,                                                      // 42 fish
      Bone,                                                          // 43 bone
      Pearl,                                                         // 44 pearl
      CoinBag,                                                       // 45 coin bag
      ArrowSign,                                                     // 46 arrow sign
      SpringShoes,                                                   // 47 spring shoes
      Gift,                                                          // 48 gift box
      Skull,                                                         // 49 skull
      Moon,                                                          // 50 moon
      Sun,                                                           // 51 sun
  }};
}

}  // namespace

void PaintItem(IndexedImage& cell, int graphic, int frame) {
  if (graphic < 1 || graphic > 51) return;
  ItemPainters()[graphic - 1](cell, frame);
}

bool GenerateItems(const std::filesystem::path& root) {
  IndexedImage sheet(384, 416, pal::kTransmit);
  for (int g = 1; g <= 51; ++g) {
    for (int frame = 0; frame < 2; ++frame) {
      IndexedImage cell(32, 32);
      PaintItem(cell, g, frame);
      IndexedImage mark(16, 16);
      art::Downscale2(cell, 0, 0, 32, 32, mark, 0, 0);
      art::Outline(cell, 0, 0, 32, 32, kBlack);
      art::Outline(mark, 0, 0, 16, 16, kBlack);
      sheet.Blit(cell, 0, 0, 32, 32, (frame + (g / 13) * 2) * 32, (g % 13) * 32, false);
      sheet.Blit(mark, 0, 0, 16, 16, (g / 13 + 8) * 32 + frame * 16, (g % 13) * 16, false);
    }
  }
  return WriteBmp8(root / "bmp" / "Item.bmp", sheet, MakeGamePalette());
}

}  // namespace vh::assetgen
