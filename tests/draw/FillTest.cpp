#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace vh::draw::test {
namespace {

// A transmit colour that differs from palette entry 0, so palette number 0
// shows which one a mode uses.
constexpr Rgb kKey{8, 4, 248};

TEST(Fill, PaletteNumberColoursPerMode) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    DrawDevice& dd = *t.dd;
    BmpLayout key;
    key.bitCount = 24;
    key.pixel = [](int, int) { return PackXrgb(kKey.red, kKey.green, kKey.blue); };
    t.data.Write("Key.bmp", BuildBmp(key));
    ASSERT_TRUE(DDSetTransmit(dd, "bmp\\Key.bmp"));
    const Rgb keyShown = {dd.transmit.rgbTransmit.rgbtRed, dd.transmit.rgbTransmit.rgbtGreen,
                          dd.transmit.rgbTransmit.rgbtBlue};
    for (const int palNum : {0, 16, 255, 300, -1}) {
      SCOPED_TRACE(palNum);
      t.diag.debugLines.clear();
      ASSERT_TRUE(DDFillRect(dd, dd.BackBuffer, 3, 4, 5, 6, palNum));
      const int n = palNum < 0 || palNum > 255 ? 0 : palNum;
      uint32_t want;
      if (mode.bits == 8)
        want = static_cast<uint32_t>(n);
      else if (mode.direct3D && n == 0)
        want = RawColor(dd, keyShown);
      else
        want = RawColor(dd, {dd.TruePalette[n].red, dd.TruePalette[n].green, dd.TruePalette[n].blue});
      EXPECT_EQ(PixelAt(dd.BackBuffer, 3, 4), want);
      EXPECT_EQ(PixelAt(dd.BackBuffer, 7, 9), want);
      EXPECT_EQ(t.diag.debugLines.size(), n == palNum ? 0u : 1u);
    }
    if (mode.bits == 16 && !mode.direct3D) {
      EXPECT_NE(PixelAt(dd.BackBuffer, 3, 4), RawColor(dd, keyShown));
    }
  }
}

TEST(Fill, RectangleIsCutToTheSurface) {
  TestDevice t({0, 8, "plain8"});
  ASSERT_TRUE(t.ready);
  DrawDevice& dd = *t.dd;
  DDClear(dd, dd.BackBuffer, 1);
  EXPECT_TRUE(DDFillRect(dd, dd.BackBuffer, -5, -5, 10, 10, 9));
  EXPECT_TRUE(DDFillRect(dd, dd.BackBuffer, 635, 475, 100, 100, 9));
  EXPECT_FALSE(DDFillRect(dd, dd.BackBuffer, 640, 0, 10, 10, 9));
  EXPECT_FALSE(DDFillRect(dd, dd.BackBuffer, 0, 0, 0, 10, 9));
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const bool filled = (x < 5 && y < 5) || (x >= 635 && y >= 475);
      ASSERT_EQ(PixelAt(dd.BackBuffer, x, y), filled ? 9u : 1u) << x << "," << y;
    }
}

}  // namespace
}  // namespace vh::draw::test
