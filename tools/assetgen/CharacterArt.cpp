#include "CharacterArt.h"

#include <cmath>

#include "PixelArt.h"

namespace vh::assetgen::chars {
namespace {

using pal::Ramp;
using pal::Shade;
constexpr uint8_t kWhite = pal::kWhite;
constexpr uint8_t kBlack = pal::kBlack;

int Round(double v) { return static_cast<int>(std::lround(v)); }

// An eye looking left: white with the pupil on its left side.
void Eye(IndexedImage& c, int x, int y, bool big = false) {
  if (big) {
    c.FillRect(x, y, 4, 5, kWhite);
    c.FillRect(x, y + 1, 2, 3, kBlack);
  } else {
    c.FillRect(x, y, 2, 3, kWhite);
    c.FillRect(x, y + 1, 1, 2, kBlack);
  }
}

void Crown(IndexedImage& c, int cx, int top) {
  c.FillRect(cx - 4, top + 3, 9, 3, Shade(Ramp::Gold, 5));
  for (int i = 0; i < 3; ++i) art::FillTriangle(c, cx - 4 + i * 4, top + 3, cx - 3 + i * 4, top, cx - 2 + i * 4, top + 3, Shade(Ramp::Gold, 6));
  c.Set(cx, top + 4, Shade(Ramp::Red, 5));
}

void Highlight(IndexedImage& c, int x, int y) {
  c.FillRect(x, y, 2, 2, kWhite);
}

// Lower part of an ellipse cut flat at `floor`.
void Dome(IndexedImage& c, int x, int y, int w, int h, Ramp ramp, int floor = 31) {
  IndexedImage tmp(32, 32);
  art::ShadedEllipse(tmp, x, y, w, h, ramp);
  for (int yy = 0; yy <= floor && yy < 32; ++yy)
    for (int xx = 0; xx < 32; ++xx)
      if (tmp.At(xx, yy) != 0) c.Set(xx, yy, tmp.At(xx, yy));
}

void Slime(IndexedImage& c, const Look& l, int pose) {
  static constexpr int kBox[4][4] = {{4, 12, 24, 26}, {2, 16, 28, 22}, {7, 5, 18, 34}, {3, 11, 26, 28}};
  const int* b = kBox[pose];
  Dome(c, b[0], b[1], b[2], b[3], l.body);
  c.FillRect(b[0] + 3, 30, b[2] - 6, 2, Shade(l.body, 2));
  const int eyeY = b[1] + 6;
  Eye(c, b[0] + 5, eyeY, true);
  Eye(c, b[0] + 11, eyeY, true);
  Highlight(c, b[0] + 4, b[1] + 3);
  if (pose == 3) {
    art::ShadedEllipse(c, b[0] + 5, eyeY + 7, 10, 6, Ramp::Red);
    c.FillRect(b[0] + 7, eyeY + 7, 6, 1, kWhite);
  } else {
    c.FillRect(b[0] + 7, eyeY + 7, 4, 1, Shade(l.body, 1));
  }
  if (l.crowned) Crown(c, b[0] + b[2] / 2, b[1] - 5);
}

void Critter(IndexedImage& c, const Look& l, int pose) {
  const int dy = pose == 2 ? 3 : pose == 1 ? 1 : 0;
  // Feet first, so the body overlaps them.
  const int fx0 = pose == 1 ? 5 : 8, fx1 = pose == 1 ? 20 : 18;
  art::ShadedEllipse(c, fx0, 25 + (pose == 1 ? -1 : 0), 8, 6, l.accent);
  art::ShadedEllipse(c, fx1, 25, 8, 6, l.accent);
  art::FillTriangle(c, 13, 10 + dy, 16, 1 + dy, 19, 10 + dy, Shade(Ramp::Sand, 6));
  art::FillTriangle(c, 16, 1 + dy, 19, 10 + dy, 17, 10 + dy, Shade(Ramp::Sand, 4));
  art::ShadedEllipse(c, 5, 7 + dy, 23, 21, l.body);
  Eye(c, 8, 13 + dy, true);
  Eye(c, 14, 13 + dy, true);
  c.FillRect(7, 11 + dy, 5, 1, Shade(l.body, 1));  // a cross brow
  if (pose == 3) {
    c.FillRect(7, 21, 9, 3, kBlack);
    c.Set(8, 21, kWhite);
    c.Set(14, 21, kWhite);
  } else {
    c.FillRect(8, 21 + dy, 6, 1, Shade(l.body, 1));
  }
  Highlight(c, 9, 9 + dy);
  if (l.crowned) Crown(c, 22, 3 + dy);
}

void Bird(IndexedImage& c, const Look& l, int pose) {
  const int lunge = pose == 3 ? -3 : 0;
  // Legs.
  c.FillRect(14, 24, 1, 7, Shade(Ramp::Orange, 4));
  c.FillRect(18 + (pose == 1 ? 2 : 0), 24, 1, 7, Shade(Ramp::Orange, 4));
  c.FillRect(12, 31, 4, 1, Shade(Ramp::Orange, 3));
  c.FillRect(17 + (pose == 1 ? 2 : 0), 31, 4, 1, Shade(Ramp::Orange, 3));
  art::FillTriangle(c, 22, 14, 30, 9, 29, 21, Shade(l.accent, 3));  // tail
  art::ShadedEllipse(c, 9 + lunge, 11, 17, 14, l.body);
  art::ShadedEllipse(c, 5 + lunge, 5, 12, 11, l.body);
  const int beakOpen = pose == 3 ? 2 : 0;
  art::FillTriangle(c, lunge, 10, 6 + lunge, 8 - beakOpen / 2, 6 + lunge, 11, Shade(Ramp::Orange, 6));
  art::FillTriangle(c, lunge + 1, 11 + beakOpen, 6 + lunge, 11, 6 + lunge, 13, Shade(Ramp::Orange, 4));
  Eye(c, 8 + lunge, 8);
  // Wing: up, level or down by pose.
  static constexpr int kWingY[4] = {12, 16, 3, 13};
  art::ShadedEllipse(c, 14, kWingY[pose], 11, pose == 2 ? 11 : 8, l.accent);
  c.FillRect(12 + lunge, 19, 6, 2, Shade(Ramp::Sand, 6));  // breast
  if (l.crowned) Crown(c, 11 + lunge, 0);
}

void Bat(IndexedImage& c, const Look& l, int pose) {
  const int y0 = 8;
  const uint8_t wing = Shade(l.body, 2), wingLight = Shade(l.body, 3);
  if (pose == 2) {
    art::FillTriangle(c, 10, y0 + 4, 22, y0 + 4, 16, y0 + 20, wing);
  } else {
    const int tip = pose == 1 ? y0 + 16 : y0 - 6;
    art::FillTriangle(c, 12, y0 + 6, 1, tip, 5, y0 + 14, wing);
    art::FillTriangle(c, 20, y0 + 6, 31, tip, 27, y0 + 14, wing);
    art::FillTriangle(c, 12, y0 + 8, 4, tip + 3, 6, y0 + 12, wingLight);
    art::FillTriangle(c, 20, y0 + 8, 28, tip + 3, 26, y0 + 12, wingLight);
  }
  art::FillTriangle(c, 11, y0 - 4, 13, y0 + 2, 15, y0, Shade(l.body, 4));
  art::FillTriangle(c, 17, y0, 19, y0 + 2, 21, y0 - 4, Shade(l.body, 4));
  art::ShadedEllipse(c, 10, y0, 12, 13, l.body);
  c.FillRect(12, y0 + 4, 2, 2, Shade(l.accent, 6));
  c.FillRect(17, y0 + 4, 2, 2, Shade(l.accent, 6));
  c.Set(12, y0 + 4, kWhite);
  c.Set(17, y0 + 4, kWhite);
  if (pose == 3) {
    c.FillRect(13, y0 + 8, 5, 2, kBlack);
    c.Set(13, y0 + 10, kWhite);
    c.Set(17, y0 + 10, kWhite);
  }
  if (l.crowned) Crown(c, 16, y0 - 9);
}

void Ghost(IndexedImage& c, const Look& l, int pose) {
  const double phase = pose * 1.6;
  IndexedImage tmp(32, 32);
  art::ShadedEllipse(tmp, 6, 3, 21, 20, l.body);
  for (int x = 6; x < 27; ++x) {
    const int bottom = 26 + Round(std::sin(x * 0.9 + phase) * 2.0);
    for (int y = 13; y <= bottom; ++y) tmp.Set(x, y, Shade(l.body, x < 12 ? 5 : x < 20 ? 4 : 3));
  }
  c.Blit(tmp, 0, 0, 32, 32, 0, 0, true);
  // Little arms reaching forward; raised in the action poses.
  const int armY = pose >= 2 ? 9 : 15;
  art::ShadedEllipse(c, 2, armY, 7, 5, l.body);
  c.FillRect(9, 9, 3, 5, kBlack);
  c.FillRect(15, 9, 3, 5, kBlack);
  c.Set(9, 10, kWhite);
  c.Set(15, 10, kWhite);
  if (pose == 3) {
    art::Disc(c, 13, 18, 2, kBlack);
  } else {
    c.FillRect(12, 17, 3, 1, Shade(l.accent, 3));
  }
  c.FillRect(19, 6, 2, 2, kWhite);
  if (l.crowned) Crown(c, 16, 0);
}

void Knight(IndexedImage& c, const Look& l, int pose) {
  const int step = pose == 1 ? 2 : 0;
  // Legs and boots.
  c.FillRect(12 - step, 24, 4, 6, pal::Grey(6));
  c.FillRect(18 + step, 24, 4, 6, pal::Grey(5));
  c.FillRect(11 - step, 29, 6, 3, Shade(Ramp::Brown, 2));
  c.FillRect(17 + step, 29, 6, 3, Shade(Ramp::Brown, 2));
  // Spear: upright, drawn back, or thrust forward.
  if (pose == 3) {
    c.FillRect(0, 17, 26, 2, Shade(Ramp::Brown, 4));
    art::FillTriangle(c, 0, 18, 5, 15, 5, 21, pal::Grey(13));
  } else {
    const int sx = pose == 2 ? 27 : 24;
    c.FillRect(sx, 4, 2, 26, Shade(Ramp::Brown, 4));
    art::FillTriangle(c, sx + 1, 0, sx - 2, 6, sx + 4, 6, pal::Grey(13));
  }
  art::Bevel(c, 10, 14, 13, 11, Shade(l.body, 6), Shade(l.body, 4), Shade(l.body, 2));
  c.FillRect(10, 22, 13, 2, Shade(Ramp::Brown, 3));  // belt
  art::ShadedEllipse(c, 9, 2, 14, 13, l.body);       // helmet
  c.FillRect(10, 7, 8, 2, kBlack);                   // visor slit
  c.Set(11, 7, Shade(Ramp::Red, 6));
  art::FillTriangle(c, 16, 3, 24, -2, 22, 5, Shade(l.accent, 5));  // plume
  // Shield in front.
  art::ShadedEllipse(c, 4 - (pose == 3 ? 1 : 0), 13, 9, 13, l.accent);
  c.FillRect(7, 17, 3, 5, Shade(Ramp::Gold, 6));
  if (l.crowned) Crown(c, 15, -1);
}

void Robot(IndexedImage& c, const Look& l, int pose) {
  // Treads.
  c.FillRect(7, 25, 19, 7, pal::Grey(3));
  for (int x = 8 + (pose % 2) * 2; x < 25; x += 4) c.FillRect(x, 26, 2, 5, pal::Grey(7));
  art::Disc(c, 10, 28, 2, pal::Grey(9));
  art::Disc(c, 22, 28, 2, pal::Grey(9));
  art::Bevel(c, 8, 13, 17, 12, Shade(l.body, 6), Shade(l.body, 4), Shade(l.body, 2));
  c.FillRect(12, 17, 8, 4, Shade(l.body, 2));
  for (int i = 0; i < 3; ++i) c.Set(13 + i * 3, 18, pal::CycleEntry(pal::Cycle::Signal, i * 3));
  art::Bevel(c, 9, 2, 15, 11, Shade(l.body, 6), Shade(l.body, 5), Shade(l.body, 2));
  const uint8_t visor = pose == 3 ? kWhite : Shade(l.accent, 6);
  c.FillRect(10, 5, 9, 4, kBlack);
  c.FillRect(11, 6, 5, 2, visor);
  c.FillRect(19, 0, 1, 3, pal::Grey(8));
  c.Set(19, 0, Shade(Ramp::Red, 6));
  // Arm: down, raised, or pointing forward with a muzzle.
  if (pose >= 2) {
    art::Bevel(c, 1, 15, 9, 5, Shade(l.accent, 6), Shade(l.accent, 4), Shade(l.accent, 2));
    if (pose == 3) art::Disc(c, 1, 17, 2, Shade(Ramp::Yellow, 6));
  } else {
    art::Bevel(c, 5, 14, 4, 9, Shade(l.accent, 6), Shade(l.accent, 4), Shade(l.accent, 2));
  }
  if (l.crowned) Crown(c, 15, -2);
}

void Fish(IndexedImage& c, const Look& l, int pose) {
  const int flap = (pose == 1 || pose == 3) ? 3 : 0;
  art::FillTriangle(c, 23, 15, 31, 6 + flap, 31, 26 - flap, Shade(l.accent, 4));
  art::FillTriangle(c, 12, 9, 20, 2, 22, 10, Shade(l.accent, 5));
  const int dx = pose == 3 ? -2 : 0;
  art::ShadedEllipse(c, 3 + dx, 7, 23, 17, l.body);
  for (int x = 7; x < 22; ++x) c.Set(x + dx, 19 + (x % 3 == 0), Shade(l.body, 6));
  for (int i = 0; i < 3; ++i) c.FillRect(12 + i * 4 + dx, 10, 1, 6, Shade(l.body, 3));
  Eye(c, 6 + dx, 11, true);
  if (pose >= 2) {
    art::Disc(c, 4 + dx, 18, 2, kBlack);
  } else {
    c.FillRect(3 + dx, 18, 3, 1, Shade(l.body, 1));
  }
  art::FillTriangle(c, 14, 22, 18, 28, 20, 22, Shade(l.accent, 3));
  if (l.crowned) Crown(c, 13, 0);
}

void Beetle(IndexedImage& c, const Look& l, int pose) {
  for (int i = 0; i < 3; ++i) {
    const int x = 9 + i * 6, lift = (pose == 1 && i % 2 == 0) ? 2 : 0;
    art::ThickLine(c, x, 24, x - 2, 31 - lift, 0, kBlack);
    art::ThickLine(c, x + 1, 24, x - 1, 31 - lift, 0, pal::Grey(4));
  }
  art::ShadedEllipse(c, 2, 13, 11, 10, Ramp::Stone);  // head
  c.Set(4, 16, kWhite);
  c.Set(4, 17, Shade(Ramp::Red, 5));
  art::ThickLine(c, 5, 14, 1, 8, 0, pal::Grey(3));  // antenna
  if (pose >= 2) art::FillTriangle(c, 3, 14, 0, 3 + (pose == 3 ? 3 : 0), 7, 13, Shade(l.accent, 6));  // horn
  art::ShadedEllipse(c, 8, 7, 22, 19, l.body);
  art::ThickLine(c, 19, 8, 19, 24, 0, Shade(l.body, 1));
  Highlight(c, 12, 10);
  c.Set(24, 12, Shade(l.accent, 6));
  c.Set(14, 18, Shade(l.accent, 6));
  if (l.crowned) Crown(c, 19, 1);
}

void Snake(IndexedImage& c, const Look& l, int pose) {
  const int lunge = pose == 3 ? -3 : pose == 2 ? 1 : 0;
  const int bob = pose == 1 ? 1 : 0;
  art::ShadedEllipse(c, 8, 21, 22, 11, l.body);
  art::ShadedEllipse(c, 11, 13 + bob, 15, 11, l.body);
  for (int i = 0; i < 4; ++i) c.FillRect(12 + i * 4, 25, 2, 2, Shade(l.accent, 5));
  c.FillRect(15, 16 + bob, 2, 2, Shade(l.accent, 5));
  art::ShadedEllipse(c, 6 + lunge, 4 + bob, 14, 11, l.body);
  Eye(c, 9 + lunge, 6 + bob);
  if (pose >= 2) {
    c.FillRect(3 + lunge, 11 + bob, 5, 1, Shade(Ramp::Red, 5));
    c.Set(2 + lunge, 10 + bob, Shade(Ramp::Red, 5));
    c.Set(2 + lunge, 12 + bob, Shade(Ramp::Red, 5));
  }
  c.FillRect(7 + lunge, 11 + bob, 5, 1, Shade(l.body, 1));
  if (l.crowned) Crown(c, 14 + lunge, bob);
}

void Urchin(IndexedImage& c, const Look& l, int pose) {
  const double turn = pose * 0.26;
  const int len = pose == 3 ? 15 : 13;
  for (int i = 0; i < 12; ++i) {
    const double a = turn + i * M_PI / 6;
    const int tx = 16 + Round(std::cos(a) * len), ty = 18 + Round(std::sin(a) * len);
    const int bx0 = 16 + Round(std::cos(a - 0.3) * 8), by0 = 18 + Round(std::sin(a - 0.3) * 8);
    const int bx1 = 16 + Round(std::cos(a + 0.3) * 8), by1 = 18 + Round(std::sin(a + 0.3) * 8);
    art::FillTriangle(c, tx, std::min(ty, 31), bx0, by0, bx1, by1, Shade(l.accent, i % 2 ? 6 : 4));
  }
  art::ShadedEllipse(c, 7, 9, 19, 19, l.body);
  Eye(c, 10, 14, true);
  Eye(c, 16, 14, true);
  c.FillRect(11, 23, 5, 1, Shade(l.body, 1));
  if (l.crowned) Crown(c, 16, 2);
}

void Skeleton(IndexedImage& c, const Look& l, int pose) {
  const uint8_t bone = Shade(l.body, 7), boneDark = Shade(l.body, 5);
  const int step = pose == 1 ? 2 : 0;
  art::ThickLine(c, 15, 22, 13 - step, 30, 0, bone);
  art::ThickLine(c, 18, 22, 20 + step, 30, 0, bone);
  c.FillRect(11 - step, 30, 4, 2, boneDark);
  c.FillRect(19 + step, 30, 4, 2, boneDark);
  c.FillRect(16, 13, 2, 10, bone);  // spine
  for (int y = 14; y < 21; y += 2) c.FillRect(12, y, 9, 1, y % 4 ? boneDark : bone);
  c.FillRect(12, 22, 9, 2, bone);  // hips
  // Arms, one holding a bone club raised in the action poses.
  if (pose >= 2) {
    art::ThickLine(c, 13, 14, 6, pose == 2 ? 4 : 14, 0, bone);
    art::ThickLine(c, 6, pose == 2 ? 4 : 14, 2, pose == 2 ? 1 : 13, 1, boneDark);
  } else {
    art::ThickLine(c, 13, 14, 9, 22, 0, bone);
  }
  art::ThickLine(c, 20, 14, 23, 21, 0, boneDark);
  art::ShadedEllipse(c, 9, 1, 14, 12, l.body);
  c.FillRect(11, 10, 9, 3, bone);  // jaw
  for (int x = 12; x < 19; x += 2) c.Set(x, 11, kBlack);
  c.FillRect(10, 5, 3, 3, kBlack);
  c.FillRect(15, 5, 3, 3, kBlack);
  c.Set(11, 6, Shade(l.accent, 6));
  c.Set(16, 6, Shade(l.accent, 6));
  if (l.crowned) Crown(c, 16, -3);
}

void Eyeball(IndexedImage& c, const Look& l, int pose) {
  const int flap = pose % 2 ? 6 : 0;
  art::FillTriangle(c, 22, 12, 31, 3 + flap, 28, 18, Shade(l.accent, 3));
  art::FillTriangle(c, 22, 14, 31, 3 + flap, 31, 14 + flap / 2, Shade(l.accent, 2));
  art::ShadedEllipse(c, 4, 5, 22, 22, Ramp::Ice);
  for (int i = 0; i < 3; ++i) art::ThickLine(c, 22, 10 + i * 5, 18, 12 + i * 4, 0, Shade(Ramp::Red, 4));
  if (pose == 2) {
    for (int y = 5; y < 17; ++y)
      for (int x = 4; x < 26; ++x)
        if (c.At(x, y) != 0 && c.At(x, y) >= pal::Shade(Ramp::Ice, 0) && c.At(x, y) <= pal::Shade(Ramp::Ice, 7)) c.Set(x, y, Shade(l.body, 3));
    c.FillRect(6, 16, 18, 1, Shade(l.body, 1));
  } else {
    const int r = pose == 3 ? 7 : 6;
    art::ShadedEllipse(c, 8 - 1, 16 - r, 2 * r, 2 * r, l.body);
    art::Disc(c, 10, 16, pose == 3 ? 1 : 2, kBlack);
    c.FillRect(9, 12, 2, 2, kWhite);
  }
  if (l.crowned) Crown(c, 15, 0);
}

void Cannon(IndexedImage& c, const Look& l, int pose) {
  const int recoil = pose == 2 ? 3 : 0;
  art::Bevel(c, 8, 21, 20, 9, Shade(Ramp::Stone, 6), Shade(Ramp::Stone, 4), Shade(Ramp::Stone, 1));
  const int bounce = pose == 1 ? 1 : 0;
  for (int y = 9; y < 19; ++y) {
    static constexpr int kProfile[10] = {3, 5, 6, 6, 5, 4, 4, 3, 2, 1};
    for (int x = 3 + recoil; x < 24 + recoil; ++x) c.Set(x, y - bounce, Shade(l.body, kProfile[y - 9]));
  }
  art::Bevel(c, 1 + recoil, 7 - bounce, 4, 14, Shade(l.accent, 6), Shade(l.accent, 4), Shade(l.accent, 2));
  c.FillRect(1 + recoil, 11 - bounce, 2, 6, kBlack);
  art::ShadedEllipse(c, 18, 16, 13, 13, Ramp::Brown);  // wheel
  art::Disc(c, 24, 22, 1, Shade(Ramp::Brown, 1));
  c.FillRect(14, 13 - bounce, 3, 3, Shade(l.accent, 6));
  if (pose == 3) {
    art::Star(c, 2, 13, 6, Shade(Ramp::Yellow, 6));
    art::Disc(c, 2, 13, 2, kWhite);
  }
  if (l.crowned) Crown(c, 14, 2);
}

void Frog(IndexedImage& c, const Look& l, int pose) {
  const int hop = pose == 1 ? -4 : pose == 2 ? 2 : 0;
  if (pose == 1) {
    art::ThickLine(c, 22, 20 + hop, 27, 31, 1, Shade(l.body, 3));
  } else {
    art::ShadedEllipse(c, 19, 21 + hop / 2, 11, 10, l.body);
  }
  art::ShadedEllipse(c, 3, 13 + hop, 24, 16, l.body);
  c.FillRect(6, 25 + hop, 14, 3, Shade(l.accent, 6));  // belly
  art::ShadedEllipse(c, 5, 7 + hop, 8, 8, l.body);
  art::ShadedEllipse(c, 13, 7 + hop, 8, 8, l.body);
  Eye(c, 7, 9 + hop);
  Eye(c, 15, 9 + hop);
  c.FillRect(3, 20 + hop, 10, 1, Shade(l.body, 1));
  art::ShadedEllipse(c, 4, 26 + hop / 2, 7, 5, l.body);  // front foot
  if (pose == 3) {
    c.FillRect(0, 20, 5, 2, Shade(Ramp::Pink, 5));
    art::Disc(c, 1, 20, 1, Shade(Ramp::Pink, 6));
  }
  for (int i = 0; i < 3; ++i) c.Set(17 + i * 3, 16 + hop + (i % 2), Shade(l.accent, 3));
  if (l.crowned) Crown(c, 13, 1 + hop);
}

void Flame(IndexedImage& c, const Look& l, int pose) {
  const int sway = (pose == 1) ? 2 : (pose == 3 ? -3 : 0);
  const int tipY = pose == 2 ? 0 : 3;
  art::FillTriangle(c, 7, 20, 18 + sway, tipY, 27, 20, Shade(l.body, 4));
  art::ShadedEllipse(c, 6, 12, 22, 19, l.body);
  art::FillTriangle(c, 11, 22, 18 + sway, tipY + 8, 23, 22, Shade(l.accent, 6));
  art::ShadedEllipse(c, 11, 17, 12, 12, l.accent);
  art::Disc(c, 17, 24, 3, kWhite);
  c.FillRect(11, 18, 2, 4, kBlack);
  c.FillRect(16, 18, 2, 4, kBlack);
  if (pose == 3) c.FillRect(12, 24, 4, 2, kBlack);
  if (l.crowned) Crown(c, 17, tipY);
}

void Plant(IndexedImage& c, const Look& l, int pose) {
  const int sway = pose == 1 ? 1 : pose == 3 ? -3 : 0;
  art::ThickLine(c, 18, 31, 16 + sway, 16, 1, Shade(Ramp::Green, 4));
  art::ShadedEllipse(c, 18, 21, 11, 6, Ramp::Green);
  art::ShadedEllipse(c, 8, 24, 10, 6, Ramp::Green);
  for (int i = 0; i < 6; ++i) {
    const double a = i * M_PI / 3 + 0.3;
    art::ShadedEllipse(c, 12 + sway + Round(std::cos(a) * 8), 7 + Round(std::sin(a) * 7), 9, 8, l.accent);
  }
  art::ShadedEllipse(c, 8 + sway, 2, 16, 15, l.body);
  // A mouth opening to the left.
  const int open = pose >= 2 ? 5 : 2;
  art::FillTriangle(c, 7 + sway, 9 - open, 17 + sway, 9, 7 + sway, 9 + open, Shade(Ramp::Red, 2));
  for (int i = 0; i < open; i += 2) {
    c.Set(8 + sway + i, 9 - open + i + 1, kWhite);
    c.Set(8 + sway + i, 9 + open - i - 1, kWhite);
  }
  Eye(c, 15 + sway, 4);
  if (l.crowned) Crown(c, 17 + sway, -2);
}

void Golem(IndexedImage& c, const Look& l, int pose) {
  const int step = pose == 1 ? 2 : 0;
  art::ShadedEllipse(c, 8 - step, 25, 8, 7, l.body);
  art::ShadedEllipse(c, 18 + step, 25, 8, 7, l.body);
  art::ShadedEllipse(c, 5, 6, 23, 22, l.body);
  art::ThickLine(c, 12, 8, 15, 14, 0, Shade(l.body, 2));
  art::ThickLine(c, 15, 14, 22, 16, 0, Shade(l.body, 2));
  art::ThickLine(c, 18, 22, 23, 25, 0, Shade(l.body, 2));
  c.FillRect(8, 12, 3, 2, Shade(l.accent, 6));
  c.FillRect(13, 12, 3, 2, Shade(l.accent, 6));
  // Fist: resting, raised, or punching forward.
  static constexpr int kFist[4][2] = {{2, 17}, {3, 18}, {2, 3}, {-1, 13}};
  art::ShadedEllipse(c, kFist[pose][0], kFist[pose][1], 9, 9, l.body);
  if (l.crowned) Crown(c, 16, 1);
}

void Jellyfish(IndexedImage& c, const Look& l, int pose) {
  const double phase = pose * 1.7;
  const int lift = pose == 2 ? -3 : 0;
  for (int t = 0; t < 5; ++t) {
    const int x0 = 9 + t * 4;
    for (int y = 16 + lift; y < 31; ++y) {
      const int x = x0 + Round(std::sin(y * 0.5 + phase + t) * 1.5);
      c.Set(x, y, Shade(l.accent, 4 + (y % 3 == 0)));
    }
  }
  Dome(c, 5, 3 + lift, 22, 26, l.body, 17 + lift);
  c.FillRect(6, 16 + lift, 20, 2, Shade(l.body, 3));
  Eye(c, 10, 10 + lift);
  Eye(c, 16, 10 + lift);
  c.FillRect(9, 5 + lift, 4, 2, kWhite);
  if (pose == 3) c.FillRect(12, 14 + lift, 4, 1, kBlack);
  if (l.crowned) Crown(c, 16, lift);
}

void Dragon(IndexedImage& c, const Look& l, int pose) {
  const int step = pose == 1 ? 2 : 0;
  art::FillTriangle(c, 24, 18, 31, 30, 22, 26, Shade(l.body, 3));  // tail
  art::ShadedEllipse(c, 15 - step, 24, 6, 8, l.body);
  art::ShadedEllipse(c, 21 + step, 24, 6, 8, l.body);
  art::FillTriangle(c, 18, 12, 30, 2 + (pose == 1 ? 4 : 0), 27, 16, Shade(l.accent, 4));  // wing
  art::ShadedEllipse(c, 12, 12, 16, 15, l.body);
  c.FillRect(14, 19, 8, 6, Shade(Ramp::Sand, 6));
  art::ShadedEllipse(c, 3, 4, 15, 12, l.body);  // head
  art::FillTriangle(c, 13, 5, 17, -1, 16, 7, Shade(Ramp::Sand, 6));  // horn
  Eye(c, 8, 6);
  c.Set(4, 9, kBlack);  // nostril
  if (pose >= 2) {
    c.FillRect(3, 12, 8, 2, kBlack);
    c.Set(5, 12, kWhite);
    if (pose == 3) {
      art::Disc(c, 2, 14, 3, Shade(Ramp::Orange, 5));
      art::Disc(c, 1, 14, 1, Shade(Ramp::Yellow, 7));
    }
  } else {
    c.FillRect(4, 12, 7, 1, Shade(l.body, 1));
  }
  if (l.crowned) Crown(c, 10, -1);
}

}  // namespace

void PaintCreature(IndexedImage& cell, const Look& look, int pose) {
  switch (look.kind) {
    case Kind::Slime: Slime(cell, look, pose); break;
    case Kind::Critter: Critter(cell, look, pose); break;
    case Kind::Bird: Bird(cell, look, pose); break;
    case Kind::Bat: Bat(cell, look, pose); break;
    case Kind::Ghost: Ghost(cell, look, pose); break;
    case Kind::Knight: Knight(cell, look, pose); break;
    case Kind::Robot: Robot(cell, look, pose); break;
    case Kind::Fish: Fish(cell, look, pose); break;
    case Kind::Beetle: Beetle(cell, look, pose); break;
    case Kind::Snake: Snake(cell, look, pose); break;
    case Kind::Urchin: Urchin(cell, look, pose); break;
    case Kind::Skeleton: Skeleton(cell, look, pose); break;
    case Kind::Eyeball: Eyeball(cell, look, pose); break;
    case Kind::Cannon: Cannon(cell, look, pose); break;
    case Kind::Frog: Frog(cell, look, pose); break;
    case Kind::Flame: Flame(cell, look, pose); break;
    case Kind::Plant: Plant(cell, look, pose); break;
    case Kind::Golem: Golem(cell, look, pose); break;
    case Kind::Jellyfish: Jellyfish(cell, look, pose); break;
    case Kind::Dragon: Dragon(cell, look, pose); break;
  }
}

void PaintPlayer(IndexedImage& c, int pose, bool flying) {
  const uint8_t skin = Shade(Ramp::Skin, 5), skinDark = Shade(Ramp::Skin, 3);
  if (flying) {
    // Two feathered wings behind the back, beating: raised in poses 0 and 2,
    // lowered in 1 and 3. Each is a fan of three feathers from the shoulder.
    const bool up = pose % 2 == 0;
    const double base = up ? -1.45 : 0.0;
    for (int wing = 0; wing < 2; ++wing) {
      const int sx = 19 + wing * 2, sy = 15 - wing;
      for (int f = 0; f < 3; ++f) {
        const double a = base + f * 0.45 + wing * 0.2;
        const int len = 14 - f * 2 - wing * 3;
        const int tx = sx + Round(std::cos(a) * len), ty = sy + Round(std::sin(a) * len);
        art::ThickLine(c, sx, sy, tx, ty, 2, wing == 0 ? Shade(Ramp::Ice, 6) : pal::kWhite);
        art::ThickLine(c, sx + 1, sy, tx, ty, 0, Shade(Ramp::Ice, 4));
      }
    }
  }
  // Legs: apart when walking; tucked up while flying.
  const uint8_t trousers = Shade(Ramp::Blue, 2), boot = Shade(Ramp::Brown, 3);
  if (flying) {
    c.FillRect(13, 24, 4, 4, trousers);
    c.FillRect(18, 23, 4, 4, trousers);
    c.FillRect(12, 27, 5, 3, boot);
    c.FillRect(18, 26, 5, 3, boot);
  } else if (pose == 1) {
    art::ThickLine(c, 14, 24, 10, 29, 1, trousers);
    art::ThickLine(c, 18, 24, 21, 29, 1, trousers);
    c.FillRect(7, 29, 6, 3, boot);
    c.FillRect(20, 29, 6, 3, boot);
  } else {
    c.FillRect(12, 24, 4, 6, trousers);
    c.FillRect(17, 24, 4, 6, trousers);
    c.FillRect(11, 29, 6, 3, boot);
    c.FillRect(17, 29, 5, 3, boot);
  }
  // Scarf trailing behind, fluttering with the steps.
  const int flutter = pose == 1 ? 2 : 0;
  art::FillTriangle(c, 18, 15, 28, 15 + flutter, 25, 19 - flutter / 2, Shade(Ramp::Yellow, 6));
  art::FillTriangle(c, 18, 16, 27, 18 + flutter, 22, 19, Shade(Ramp::Yellow, 4));
  // Tunic and belt.
  art::Bevel(c, 11, 15, 11, 10, Shade(Ramp::Red, 5), Shade(Ramp::Red, 4), Shade(Ramp::Red, 2));
  c.FillRect(11, 22, 11, 2, Shade(Ramp::Brown, 2));
  c.Set(14, 22, Shade(Ramp::Gold, 6));
  // Front arm: at the side, drawn back for the swing, or thrust forward.
  if (pose == 2) {
    art::ThickLine(c, 17, 17, 23, 12, 1, skin);
  } else if (pose == 3) {
    art::ThickLine(c, 13, 18, 5, 17, 1, skin);
    c.FillRect(3, 16, 3, 3, skinDark);
  } else {
    art::ThickLine(c, 13, 17, 11, 22, 1, skin);
  }
  // Head: face, hair at the back, cap with its brim to the front.
  c.FillEllipse(8, 3, 15, 14, Shade(Ramp::Skin, 4));
  c.FillEllipse(8, 3, 13, 13, Shade(Ramp::Skin, 5));
  art::ShadedEllipse(c, 17, 6, 7, 10, Ramp::Brown);
  c.FillRect(19, 13, 3, 3, Shade(Ramp::Brown, 3));
  art::ShadedEllipse(c, 8, 1, 16, 9, Ramp::Blue);
  c.FillRect(4, 7, 10, 2, Shade(Ramp::Blue, 3));
  c.FillRect(4, 7, 10, 1, Shade(Ramp::Blue, 5));
  c.FillRect(13, 3, 3, 3, pal::kWhite);  // badge on the cap
  c.Set(14, 4, Shade(Ramp::Gold, 6));
  c.FillRect(10, 10, 2, 3, kBlack);  // eye
  c.Set(10, 10, pal::kWhite);
  c.Set(8, 12, skinDark);  // nose
  c.FillRect(10, 14, 3, 1, Shade(Ramp::Skin, 2));  // mouth
  c.Set(14, 12, Shade(Ramp::Pink, 5));  // cheek
}

}  // namespace vh::assetgen::chars
