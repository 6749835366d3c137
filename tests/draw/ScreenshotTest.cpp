// A small scene drawn with every operation, composed into the presented
// picture and checked at chosen points, in every drawing mode.
#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace vh::draw::test {
namespace {

constexpr int kBack = 16, kPanel = 40, kFrame = 31, kSprite = 50, kGlyph = 90, kDigit = 100;

// Sprite sheet: a 32 x 32 cell, transparent except a 16 x 16 square of
// kSprite in its top-left corner and a column of kSprite + 1 at its right edge.
uint32_t SheetPixel(int x, int y) {
  if (x < 16 && y < 16) return kSprite;
  if (x == 31) return kSprite + 1;
  return 0;
}

// Font: every cell holds a kGlyph square in its top-left 4 x 8 pixels.
uint32_t FontPixel(int x, int y) { return (x % 8 < 4 && y % 16 < 8) ? kGlyph : 0; }

// Digits 0..9 of 4 x 4, digit d filled with kDigit + d.
uint32_t DigitPixel(int x, int) { return uint32_t(kDigit + x / 4); }

void DrawScene(DrawDevice& dd) {
  SurfaceDesc& back = dd.BackBuffer;
  auto& table = dd.SurfaceTable;
  DDClear(dd, back, kBack);
  DDFillRect(dd, back, 10, 10, 100, 50, kPanel);
  DDFrameRect(dd, back, 200, 10, 40, 30, 3, kFrame);
  DDBlt(dd, back, 300, 100, 32, 32, table[kBmpCharacter1], 0, 0, 1);
  DDBltEx(dd, back, 400, 100, 64, 64, table[kBmpCharacter1], 0, 0, 32, 32, 1);  // double size
  DDBlt(dd, back, 500, 100, 32, 32, table[kBmpCharacter1Mirror], 0, 0, 1);
  DDTextOut(dd, back, 20, 300, 8, 16, table[kBmpDebug], "AB:C");
  DDDrawNumber(dd, back, 300, 300, 4, 4, table[kBmpFont10], 0, 0, 1, 42, 4, 0);
  DDDrawWindow(dd, back, 50, 400, 20, 20, table[kBmpWindow], 2, kFrame);
  DDBltSpin(dd, back, 600, 10, 32, 32, table[kBmpCharacter1], 0, 0, table[kBmpCharacter1], 0, 0, 32, 32, 1, 4, 0);
  DDBltSplit4(dd, back, 300, 200, 32, 32, table[kBmpCharacter1], 0, 0, 10, 1);
  CircleBlt circle{&back, 150, 200, 640, 480, 10, 1, &table[kBmpWindow], 10, 10, 0};
  DDBltCircle(dd, circle);
}

struct Point {
  const char* what;
  int x, y, palNum;
};

TEST(Screenshot, EveryOperationAtEveryDepth) {
  const Point points[] = {
      {"background", 5, 5, kBack},
      {"fill", 10, 10, kPanel},
      {"fill_last_pixel", 109, 59, kPanel},
      {"frame_band", 202, 12, kFrame},
      {"frame_inside", 204, 14, kBack},
      {"sprite", 300, 100, kSprite},
      {"sprite_transparent", 320, 120, kBack},
      {"sprite_edge", 331, 110, kSprite + 1},
      {"scaled_sprite", 431, 131, kSprite},
      {"scaled_transparent", 433, 131, kBack},
      {"scaled_edge", 463, 100, kSprite + 1},
      {"mirrored_sprite", 531, 100, kSprite},
      {"mirrored_edge", 500, 110, kSprite + 1},
      {"mirrored_transparent", 510, 110, kBack},
      {"glyph", 20, 300, kGlyph},
      {"glyph_transparent", 24, 300, kBack},
      {"glyph_after_colon", 20, 316, kGlyph},
      {"number_padding", 300, 300, kBack},
      {"number_4", 308, 300, kDigit + 4},
      {"number_2", 312, 300, kDigit + 2},
      {"window_picture", 50, 400, kPanel},
      {"window_frame", 48, 398, kFrame},
      {"spin_inset", 602, 10, kBack},
      {"spin_card", 604, 10, kSprite},
      {"split_top_left", 290, 190, kSprite},
      {"split_gap", 310, 210, kBack},
      {"split_bottom_right", 341, 226, kSprite + 1},
      {"circle_centre", 150, 200, kPanel},
      {"circle_outside_corner", 141, 191, kBack},
  };
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    t.data.Write("Character1.bmp", PalettePicture(64, 32, [](int x, int y) { return SheetPixel(x % 32, y); }));
    t.data.Write("Debug.bmp", PalettePicture(128, 256, FontPixel));
    t.data.Write("Font10.bmp", PalettePicture(40, 4, DigitPixel));
    t.data.Write("Window.bmp", PalettePicture(20, 20, [](int, int) { return uint32_t(kPanel); }));
    ASSERT_TRUE(DDCreateSurfaceFromBitmapList(*t.dd, {kBmpCharacter1, kBmpCharacter1Mirror, kBmpDebug,
                                                      kBmpFont10, kBmpWindow}));
    DrawScene(*t.dd);
    const std::vector<uint32_t> frame = ComposeFrame(*t.dd);
    ASSERT_EQ(frame.size(), 640u * 480u);
    for (const Point& p : points)
      EXPECT_EQ(frame[p.y * 640 + p.x], ShownPalNum(*t.dd, p.palNum)) << p.what;
  }
}

}  // namespace
}  // namespace vh::draw::test
