#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace vh::draw::test {
namespace {

uint32_t SheetIndex(int x, int y) { return static_cast<uint32_t>((x * 7 + y * 3) % 256); }

TEST(SurfaceLoad, PalettePictureKeepsItsColoursAtEveryDepth) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    t.data.Write("Block.bmp", PalettePicture(37, 5, SheetIndex));
    ASSERT_TRUE(DDCreateSurfaceFromBitmapList(*t.dd, {kBmpBlock}));
    const SurfaceDesc& s = t.dd->SurfaceTable[kBmpBlock];
    ASSERT_EQ(s.width, 37);
    ASSERT_EQ(s.height, 5);
    EXPECT_EQ(s.bytesPerPixel, mode.bits / 8);
    EXPECT_EQ(s.colorKey, 1);
    EXPECT_EQ(s.szFileName, "bmp\\Block.bmp");
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 37; ++x) {
        const uint32_t index = SheetIndex(x, y);
        const uint32_t want = mode.bits == 8 ? index : RawColor(*t.dd, TestColor(int(index)));
        ASSERT_EQ(PixelAt(s, x, y), want) << x << "," << y;
      }
  }
}

TEST(SurfaceLoad, EightBitSurfacesMapOtherColoursToThePalette) {
  TestDevice t({0, 8, "plain8"});
  ASSERT_TRUE(t.ready);
  // A picture with its own colour table (the palette reversed) and a
  // true-colour picture with one exact and one nearly exact palette colour.
  BmpLayout reversed;
  reversed.width = 3;
  for (int i = 0; i < 256; ++i) reversed.colorTable.push_back(TestColor(255 - i));
  reversed.pixel = [](int x, int) { return static_cast<uint32_t>(10 + x); };
  t.data.Write("Block.bmp", BuildBmp(reversed));
  BmpLayout rgb;
  rgb.width = 2;
  rgb.bitCount = 24;
  rgb.pixel = [](int x, int) {
    const Rgb c = TestColor(100);
    return x == 0 ? PackXrgb(c.red, c.green, c.blue) : PackXrgb(c.red + 1, c.green + 1, c.blue + 1);
  };
  t.data.Write("Shot.bmp", BuildBmp(rgb));
  ASSERT_TRUE(DDCreateSurfaceFromBitmapList(*t.dd, {kBmpBlock, kBmpShot}));
  for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(t.dd->SurfaceTable[kBmpBlock], x, 0), uint32_t(245 - x));
  EXPECT_EQ(PixelAt(t.dd->SurfaceTable[kBmpShot], 0, 0), 100u);
  EXPECT_EQ(PixelAt(t.dd->SurfaceTable[kBmpShot], 1, 0), 100u);
}

TEST(SurfaceLoad, UnusablePictureShowsTheLoadMessageAndStops) {
  struct Case {
    const char* name;
    std::vector<uint8_t> titleBytes;  // empty = no file
  };
  std::vector<uint8_t> rle = PalettePicture(4, 4, [](int, int) { return 1u; });
  Put32(rle, kCompressionAt, 1);
  std::vector<uint8_t> cut = PalettePicture(4, 4, [](int, int) { return 1u; });
  cut.resize(cut.size() - 3);
  const Case cases[] = {{"missing", {}}, {"compressed", rle}, {"truncated", cut}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestDevice t({0, 32, "plain32"});
    ASSERT_TRUE(t.ready);
    t.data.Write("Window.bmp", PalettePicture(4, 4, [](int, int) { return 3u; }));
    if (!c.titleBytes.empty()) t.data.Write("Title.bmp", c.titleBytes);
    EXPECT_FALSE(DDCreateSurfaceFromBitmapList(*t.dd, {kBmpWindow, kBmpTitle, kBmpAccessory}));
    ASSERT_EQ(t.diag.errorBoxes.size(), 1u);
    EXPECT_EQ(t.diag.errorBoxes[0], "bmp\\Title.bmp の読み込みに失敗！");
    EXPECT_TRUE(t.dd->SurfaceTable[kBmpWindow].Exists());
    EXPECT_FALSE(t.dd->SurfaceTable[kBmpTitle].Exists());
    EXPECT_FALSE(t.dd->SurfaceTable[kBmpAccessory].Exists());
  }
}

TEST(SurfaceLoad, MirrorVariantsAreMirroredCellByCell) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    // Three cells and a 10-pixel remainder: the remainder mirrors within itself.
    t.data.Write("Character1.bmp", PalettePicture(106, 40, SheetIndex));
    ASSERT_TRUE(DDCreateSurfaceFromBitmapList(*t.dd, {6, 7, 15, 16}));
    const auto& table = t.dd->SurfaceTable;
    EXPECT_EQ(table[7].mirrorCellWidth, 32);
    EXPECT_EQ(table[7].baseSlot, 6);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 106; ++x) {
        const int cell = x / 32 * 32;
        const int cellEnd = std::min(cell + 32, 106);
        const int mirrored = cell + (cellEnd - 1 - x);
        ASSERT_EQ(PixelAt(table[7], x, y), PixelAt(table[6], mirrored, y)) << x << "," << y;
        ASSERT_EQ(PixelAt(table[16], x, y), PixelAt(table[7], x, y));
        ASSERT_EQ(PixelAt(table[15], x, y), PixelAt(table[6], x, y));
      }
  }
}

TEST(SurfaceLoad, EmptySurfacesAndLimits) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    DrawDevice& dd = *t.dd;
    ASSERT_TRUE(DDCreateSurfaceFromBitmapList(dd, {kBmpWork1}));  // listed as 0 x 0
    EXPECT_TRUE(dd.SurfaceTable[kBmpWork1].Exists());
    EXPECT_EQ(dd.SurfaceTable[kBmpWork1].szFileName, "E");
    // A new empty surface shows palette number 0: the transmit colour with
    // the accelerated kind, entry 0 with the plain kind.
    ASSERT_TRUE(DDCreateSurface(dd, dd.SurfaceTable[kBmpWork2], 3, 2, 1, 0, 2, 0));
    const PaletteEntry& e0 = dd.TruePalette[0];
    const auto& tr = dd.transmit.rgbTransmit;
    const uint32_t want = mode.bits == 8 ? 0u
                          : mode.direct3D ? RawColor(dd, {tr.rgbtRed, tr.rgbtGreen, tr.rgbtBlue})
                                          : RawColor(dd, {e0.red, e0.green, e0.blue});
    EXPECT_EQ(PixelAt(dd.SurfaceTable[kBmpWork2], 2, 1), want);
    EXPECT_FALSE(DDCreateSurface(dd, dd.SurfaceTable[kBmpWork2], kMaxSurfaceSide + 1, 1, 1, 0, 2, 0));
    EXPECT_FALSE(DDCreateSurface(dd, dd.SurfaceTable[kBmpWork2], 8192, 8192, 1, 0, 2, 0));
    EXPECT_FALSE(DDCreateSurface(dd, dd.SurfaceTable[kBmpWork2], -1, 5, 1, 0, 2, 0));
    EXPECT_FALSE(dd.SurfaceTable[kBmpWork2].Exists());
  }
}

TEST(SurfaceLoad, LoadingAgainReplacesAndReleaseEmpties) {
  TestDevice t({0, 16, "plain16"});
  ASSERT_TRUE(t.ready);
  t.data.Write("Item.bmp", PalettePicture(8, 8, [](int, int) { return 5u; }));
  ASSERT_TRUE(DDCreateSurfaceFromBitmapList(*t.dd, {kBmpItem}));
  t.data.Write("Item.bmp", PalettePicture(4, 2, [](int, int) { return 6u; }));
  ASSERT_TRUE(DDCreateSurfaceFromBitmapList(*t.dd, {kBmpItem}));
  SurfaceDesc& s = t.dd->SurfaceTable[kBmpItem];
  EXPECT_EQ(s.width, 4);
  EXPECT_EQ(PixelAt(s, 3, 1), RawColor(*t.dd, TestColor(6)));
  DDReleaseSurface(s);
  EXPECT_FALSE(s.Exists());
  EXPECT_TRUE(s.pixels.empty());
  EXPECT_FALSE(DDCreateSurfaceFromBitmapList(*t.dd, {kSlotCount}));
}

}  // namespace
}  // namespace vh::draw::test
