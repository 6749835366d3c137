#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace vh::draw::test {
namespace {

Rgb EntryColor(const PaletteEntry& e) { return {e.red, e.green, e.blue}; }

// Which source the palette comes from in each mode, with the default 16 x 16
// Palette.bmp: the colour table, or the pixels as the device depth shows them.
TEST(Palette, LoadsFromTheColorTableOrThePixels) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    const bool fromPixels16 = !mode.direct3D && mode.bits == 16;
    for (int i = 0; i < 256; ++i) {
      Rgb want = TestColor(i);
      if (fromPixels16) want = UnpackRgb565(PackRgb565(want.red, want.green, want.blue));
      ASSERT_EQ(EntryColor(t.dd->TruePalette[i]), want) << i;
      const int flags = mode.direct3D ? 255 : (i <= 9 || i >= 246) ? 2 : 1;
      ASSERT_EQ(t.dd->TruePalette[i].flags, flags) << i;
    }
  }
}

TEST(Palette, NarrowEightBitFileAlwaysGivesItsColorTable) {
  TestDevice t({0, 16, "plain16"});
  ASSERT_TRUE(t.ready);
  t.data.Write("Narrow.bmp", PalettePicture(8, 32, [](int, int) { return 0u; }));
  Palette p{};
  ASSERT_TRUE(DDLoadPaletteFromFile(*t.dd, p, "bmp\\Narrow.bmp"));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(EntryColor(p[i]), TestColor(i)) << i;
}

TEST(Palette, TrueColorFileGivesItsTopLeftPixelsAndSmallOnesFail) {
  TestDevice t({0, 32, "plain32"});
  ASSERT_TRUE(t.ready);
  BmpLayout s;
  s.width = 17;
  s.height = 16;
  s.bitCount = 24;
  s.pixel = [](int x, int y) {
    const Rgb c = TestColor(255 - (y * 16 + x) % 256);
    return PackXrgb(c.red, c.green, c.blue);
  };
  t.data.Write("True.bmp", BuildBmp(s));
  Palette p{};
  ASSERT_TRUE(DDLoadPaletteFromFile(*t.dd, p, "bmp\\True.bmp"));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(EntryColor(p[i]), TestColor(255 - i)) << i;

  s.height = 15;
  t.data.Write("Small.bmp", BuildBmp(s));
  const Palette before = p;
  EXPECT_FALSE(DDLoadPaletteFromFile(*t.dd, p, "bmp\\Small.bmp"));
  EXPECT_FALSE(DDLoadPaletteFromFile(*t.dd, p, "bmp\\Missing.bmp"));
  EXPECT_EQ(p, before);
  EXPECT_FALSE(t.diag.reports.empty());
}

// The transmit colour is the top-left pixel of the file, in every form.
TEST(Palette, TransmitColorIsTheTopLeftPixel) {
  for (const Mode& mode : kAllModes) {
    for (const int topLeft : {0, 77}) {
      SCOPED_TRACE(std::string(mode.name) + " index " + std::to_string(topLeft));
      TestDevice t(mode);
      ASSERT_TRUE(t.ready);
      t.data.Write("Key.bmp", PalettePicture(2, 2, [topLeft](int x, int y) {
                     return x == 0 && y == 0 ? uint32_t(topLeft) : 1u;
                   }));
      ASSERT_TRUE(DDSetTransmit(*t.dd, "bmp\\Key.bmp"));
      const Rgb c = TestColor(topLeft);
      const TransmitColor& tr = t.dd->transmit;
      EXPECT_EQ(tr.rgbTransmit.rgbtRed, c.red);
      EXPECT_EQ(tr.rgbTransmit.rgbtGreen, c.green);
      EXPECT_EQ(tr.rgbTransmit.rgbtBlue, c.blue);
      EXPECT_EQ(tr.wTransmit_16, PackRgb565(c.red, c.green, c.blue));
      if (mode.bits == 32) {
        EXPECT_EQ(tr.dwTransmit_32, PackXrgb(c.red, c.green, c.blue));
      }
      if (mode.bits == 8) {
        EXPECT_EQ(tr.byTransmit_8, topLeft);
      }
    }
  }
}

TEST(Palette, TransmitFromAnUnusableFileFails) {
  TestDevice t({0, 32, "plain32"});
  ASSERT_TRUE(t.ready);
  const TransmitColor before = t.dd->transmit;
  EXPECT_FALSE(DDSetTransmit(*t.dd, "bmp\\Missing.bmp"));
  EXPECT_EQ(t.dd->transmit.dwTransmit_32, before.dwTransmit_32);
  ASSERT_FALSE(t.diag.reports.empty());
  EXPECT_EQ(t.diag.reports.back(), "bmp\\Missing.bmp 作成失敗！");
}

// Entries named by their red byte.
Palette Numbered() {
  Palette p{};
  for (int i = 0; i < 256; ++i) p[i] = {uint8_t(i), 0, 0, 1};
  return p;
}

TEST(Palette, RotationInBothDirections) {
  struct Case {
    int count, direction;
    std::vector<int> range;  // entries 2..5 afterwards
  } cases[] = {
      {1, 0, {5, 2, 3, 4}}, {3, 0, {3, 4, 5, 2}}, {1, 1, {3, 4, 5, 2}}, {2, 1, {4, 5, 2, 3}},
      {0, 0, {2, 3, 4, 5}}, {4, 1, {2, 3, 4, 5}}, {5, 0, {5, 2, 3, 4}}, {-1, 0, {3, 4, 5, 2}},
      {1, 2, {2, 3, 4, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.count) + " dir " + std::to_string(c.direction));
    const Palette source = Numbered();
    Palette shown{};
    DDRotatePalette(shown, 2, 5, c.count, c.direction, source);
    for (int i = 0; i < 256; ++i) {
      const int want = i >= 2 && i <= 5 ? c.range[i - 2] : i;
      ASSERT_EQ(shown[i].red, want) << i;
    }
    Palette inPlace = Numbered();
    DDRotatePalette(inPlace, 2, 5, c.count, c.direction, inPlace);
    EXPECT_EQ(inPlace, shown);
  }
}

TEST(Palette, RotationShowsOnlyAtEightBits) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    DrawDevice& dd = *t.dd;
    DDClear(dd, dd.BackBuffer, 192);
    const uint32_t before = ComposeFrame(dd)[0];
    DDRotatePalette(dd.ShownPalette, 192, 199, 1, 0, dd.ShownPalette);
    const uint32_t after = ComposeFrame(dd)[0];
    EXPECT_EQ(before == after, mode.bits != 8);
    if (mode.bits == 8) {
      EXPECT_EQ(after, ShownColor(dd, TestColor(199)));
    }
  }
}

TEST(Palette, FadePaletteBlendsTheRangeByLevel) {
  Palette in{};
  for (int i = 0; i < 256; ++i) in[i] = {10, 200, 30, 255};
  struct Case {
    int level;
    Rgb want;
  } cases[] = {{0, {255, 0, 100}}, {256, {10, 200, 30}}, {128, {132, 100, 65}}, {64, {193, 50, 82}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    Palette out{};
    DDFadePalette(out, 3, 250, c.level, 255, 0, 100, in);
    EXPECT_EQ(EntryColor(out[3]), c.want);
    EXPECT_EQ(EntryColor(out[250]), c.want);
    EXPECT_EQ(out[3].flags, 1);
    EXPECT_EQ(out[2], PaletteEntry{});
    EXPECT_EQ(out[251], PaletteEntry{});
  }
}

}  // namespace
}  // namespace vh::draw::test
