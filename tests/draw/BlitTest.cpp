#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace vh::draw::test {
namespace {

constexpr uint32_t kBackground = 0x00123456;

// Every source pixel names its own coordinates.
uint32_t Coord(int x, int y) { return PackXrgb(uint8_t(x), uint8_t(y), 200); }

struct Surfaces {
  TestDevice t{{0, 32, "plain32"}};
  SurfaceDesc& src = t.dd->SurfaceTable[kBmpWork1];
  SurfaceDesc& dst = t.dd->SurfaceTable[kBmpWork2];

  Surfaces(int srcW, int srcH, int dstW, int dstH) {
    EXPECT_TRUE(t.ready);
    EXPECT_TRUE(DDCreateSurface(*t.dd, src, srcW, srcH, 0, 0, 0, 0));
    EXPECT_TRUE(DDCreateSurface(*t.dd, dst, dstW, dstH, 0, 0, 0, 0));
    for (int y = 0; y < srcH; ++y)
      for (int x = 0; x < srcW; ++x) SetPixel(src, x, y, Coord(x, y));
    for (int y = 0; y < dstH; ++y)
      for (int x = 0; x < dstW; ++x) SetPixel(dst, x, y, kBackground);
  }
};

struct ClipCase {
  const char* name;
  int dx, dy, w, h, sx, sy;
  // The rectangle that must be drawn and the source pixel at its top left.
  int ex, ey, ew, eh, ox, oy;
};

TEST(Blit, ClipsToBothSurfaces) {
  const ClipCase cases[] = {
      {"inside", 5, 5, 10, 4, 2, 3, 5, 5, 10, 4, 2, 3},
      {"left_of_destination", -10, 0, 15, 5, 0, 0, 0, 0, 5, 5, 10, 0},
      {"above_destination", 2, -3, 4, 6, 1, 1, 2, 0, 4, 3, 1, 4},
      {"past_right_of_destination", 35, 0, 10, 2, 0, 0, 35, 0, 5, 2, 0, 0},
      {"past_bottom_of_destination", 0, 28, 3, 5, 0, 0, 0, 28, 3, 2, 0, 0},
      {"past_right_of_source", 0, 0, 10, 2, 15, 0, 0, 0, 5, 2, 15, 0},
      // A source starting left of / above its surface is cut without moving the destination.
      {"left_of_source", 10, 0, 8, 2, -5, 0, 10, 0, 3, 2, 0, 0},
      {"above_source", 0, 10, 3, 5, 0, -2, 0, 10, 3, 3, 0, 0},
      {"both_sides_cut", -2, -1, 40, 20, 0, 0, 0, 0, 18, 9, 2, 1},
      {"right_of_destination", 40, 0, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0},
      {"far_left", -20, 0, 10, 5, 0, 0, 0, 0, 0, 0, 0, 0},
      {"source_outside", 0, 0, 5, 5, 20, 0, 0, 0, 0, 0, 0, 0},
      {"zero_width", 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0},
      {"negative_height", 0, 0, 5, -5, 0, 0, 0, 0, 0, 0, 0, 0},
  };
  for (const ClipCase& c : cases) {
    SCOPED_TRACE(c.name);
    Surfaces s(20, 10, 40, 30);
    const int drawn = DDBlt(*s.t.dd, s.dst, c.dx, c.dy, c.w, c.h, s.src, c.sx, c.sy, 0);
    EXPECT_EQ(drawn != 0, c.ew > 0);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool inside = x >= c.ex && x < c.ex + c.ew && y >= c.ey && y < c.ey + c.eh;
        const uint32_t want = inside ? Coord(c.ox + x - c.ex, c.oy + y - c.ey) : kBackground;
        ASSERT_EQ(PixelAt(s.dst, x, y), want) << x << "," << y;
      }
  }
}

TEST(Blit, OverlappingCopyWithinOneSurface) {
  Surfaces s(20, 10, 40, 30);
  ASSERT_TRUE(DDBlt(*s.t.dd, s.src, 1, 1, 19, 9, s.src, 0, 0, 0));
  for (int y = 1; y < 10; ++y)
    for (int x = 1; x < 20; ++x) ASSERT_EQ(PixelAt(s.src, x, y), Coord(x - 1, y - 1));
}

// A sprite row: transmit colour, colour 50, transmit colour, colour 60.
TEST(Blit, ColorKeyAtEveryDepth) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    DrawDevice& dd = *t.dd;
    const auto sprite = PalettePicture(4, 1, [](int x, int) { return x % 2 ? 50u + 10 * (x / 2) : 0u; });
    t.data.Write("Shot.bmp", sprite);    // loaded with the colour key
    t.data.Write("Window.bmp", sprite);  // loaded without
    ASSERT_TRUE(DDCreateSurfaceFromBitmapList(dd, {kBmpShot, kBmpWindow}));
    const uint32_t back = RawColor(dd, TestColor(20));
    const uint32_t key = RawColor(dd, TestColor(0));
    const uint32_t c50 = RawColor(dd, TestColor(50));
    const uint32_t c60 = RawColor(dd, TestColor(60));
    struct Case {
      int slot, colorKey;
      uint32_t want[4];
    } cases[] = {
        {kBmpShot, 1, {back, c50, back, c60}},
        {kBmpShot, 0, {key, c50, key, c60}},
        {kBmpWindow, 1, {key, c50, key, c60}},
    };
    for (const Case& c : cases) {
      DDClear(dd, dd.BackBuffer, 20);
      ASSERT_TRUE(DDBlt(dd, dd.BackBuffer, 100, 7, 4, 1, dd.SurfaceTable[c.slot], 0, 0, c.colorKey));
      for (int x = 0; x < 4; ++x)
        EXPECT_EQ(PixelAt(dd.BackBuffer, 100 + x, 7), c.want[x]) << "slot " << c.slot << " key " << c.colorKey << " x " << x;
      EXPECT_EQ(PixelAt(dd.BackBuffer, 104, 7), back);
    }
  }
}

}  // namespace
}  // namespace vh::draw::test
