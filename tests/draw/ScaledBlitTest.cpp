#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace vh::draw::test {
namespace {

constexpr uint32_t kBackground = 0x00123456;
uint32_t Coord(int x, int y) { return PackXrgb(uint8_t(x), uint8_t(y), 200); }

struct Surfaces {
  TestDevice t{{0, 32, "plain32"}};
  SurfaceDesc& src = t.dd->SurfaceTable[kBmpWork1];
  SurfaceDesc& dst = t.dd->SurfaceTable[kBmpWork2];

  Surfaces() {
    EXPECT_TRUE(t.ready);
    EXPECT_TRUE(DDCreateSurface(*t.dd, src, 20, 10, 0, 0, 0, 0));
    EXPECT_TRUE(DDCreateSurface(*t.dd, dst, 40, 30, 0, 0, 0, 0));
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 20; ++x) SetPixel(src, x, y, Coord(x, y));
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) SetPixel(dst, x, y, kBackground);
  }
};

struct ScaledCase {
  const char* name;
  int dx, dy, dw, dh, sx, sy, sw, sh;
  // Destination columns from x0 show source columns `cols`; rows from y0 show `rows`.
  int x0;
  std::vector<int> cols;
  int y0;
  std::vector<int> rows;
};

TEST(ScaledBlit, ScalesMirrorsAndClips) {
  const ScaledCase cases[] = {
      {"double", 3, 2, 8, 4, 1, 1, 4, 2, 3, {1, 1, 2, 2, 3, 3, 4, 4}, 2, {1, 1, 2, 2}},
      {"half_samples_centres", 0, 0, 2, 1, 4, 0, 4, 2, 0, {5, 7}, 0, {1}},
      {"mirror_left_right", 5, 5, 4, 1, 10, 3, -4, 1, 5, {9, 8, 7, 6}, 5, {3}},
      {"mirror_top_bottom", 0, 0, 1, 3, 2, 6, 1, -3, 0, {2}, 0, {5, 4, 3}},
      {"mirror_and_double", 0, 0, 6, 1, 3, 0, -3, 1, 0, {2, 2, 1, 1, 0, 0}, 0, {0}},
      {"double_cut_left", -3, 0, 8, 1, 1, 0, 4, 1, 0, {2, 3, 3, 4, 4}, 0, {0}},
      {"double_cut_right", 36, 0, 8, 1, 1, 0, 4, 1, 36, {1, 1, 2, 2}, 0, {0}},
      // The source is cut to its surface, the destination keeps its place and
      // shrinks by the kept fraction.
      {"double_source_cut_right", 0, 0, 8, 1, 18, 0, 4, 1, 0, {18, 18, 19, 19}, 0, {0}},
      {"mirror_source_cut_left", 7, 0, 8, 1, 2, 0, -4, 1, 7, {1, 1, 0, 0}, 0, {0}},
      {"equal_size_mirror_cut_bottom", 0, 25, 2, 10, 0, 9, 2, -10, 0, {0, 1}, 25, {8, 7, 6, 5, 4}},
      {"nothing_zero_width", 0, 0, 0, 4, 0, 0, 4, 4, 0, {}, 0, {}},
      {"nothing_zero_source_height", 0, 0, 4, 4, 0, 0, 4, 0, 0, {}, 0, {}},
      {"nothing_scale_to_zero", 0, 0, 1, 1, 19, 0, 4, 1, 0, {}, 0, {}},
      {"nothing_negative_destination", 0, 0, -4, 4, 0, 0, 4, 4, 0, {}, 0, {}},
  };
  for (const ScaledCase& c : cases) {
    SCOPED_TRACE(c.name);
    Surfaces s;
    const int drawn =
        DDBltEx(*s.t.dd, s.dst, c.dx, c.dy, c.dw, c.dh, s.src, c.sx, c.sy, c.sw, c.sh, 0);
    EXPECT_EQ(drawn != 0, !c.cols.empty());
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const int i = x - c.x0;
        const int j = y - c.y0;
        const bool inside = i >= 0 && i < int(c.cols.size()) && j >= 0 && j < int(c.rows.size());
        const uint32_t want = inside ? Coord(c.cols[i], c.rows[j]) : kBackground;
        ASSERT_EQ(PixelAt(s.dst, x, y), want) << x << "," << y;
      }
  }
}

// Drawing a cell with a negative source width shows what the mirrored
// variant slot holds for that cell, at every depth.
TEST(ScaledBlit, NegativeWidthMatchesTheMirrorVariant) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    DrawDevice& dd = *t.dd;
    t.data.Write("Character2.bmp",
                 PalettePicture(64, 32, [](int x, int y) { return uint32_t((x * 5 + y * 9) % 256); }));
    ASSERT_TRUE(DDCreateSurfaceFromBitmapList(dd, {8, 9}));
    for (const int keyed : {0, 1}) {
      DDClear(dd, dd.BackBuffer, 20);
      DDBltEx(dd, dd.BackBuffer, 0, 0, 32, 32, dd.SurfaceTable[8], 64, 0, -32, 32, keyed);
      DDBlt(dd, dd.BackBuffer, 100, 0, 32, 32, dd.SurfaceTable[9], 32, 0, keyed);
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
          ASSERT_EQ(PixelAt(dd.BackBuffer, x, y), PixelAt(dd.BackBuffer, 100 + x, y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace vh::draw::test
