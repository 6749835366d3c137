#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "DrawTestSupport.h"

namespace vh::draw::test {
namespace {

constexpr int kPicture = 200;  // palette number of the test picture

double Sin(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }

bool Step(DrawDevice& dd, bool in, int finish = 0) {
  // Scenes draw their screen before every fade step.
  DDClear(dd, dd.BackBuffer, kPicture);
  return in ? DDFadeIn(dd, dd.ShownPalette, 0, 255, 0, 0, 0, 6.0, dd.TruePalette, finish)
            : DDFadeOut(dd, dd.ShownPalette, 0, 255, 0, 0, 0, 6.0, dd.TruePalette, finish);
}

int CallsToComplete(DrawDevice& dd, bool in) {
  for (int call = 1; call <= 100; ++call)
    if (Step(dd, in)) return call;
  return -1;
}

// What the screen shows at a fade angle, from the definitions of each mode.
uint32_t Expected(const DrawDevice& dd, double angle) {
  const PaletteEntry& e = dd.TruePalette[kPicture];
  Rgb c{e.red, e.green, e.blue};
  if (dd.BytesPerPixel == 2) c = UnpackRgb565(PackRgb565(c.red, c.green, c.blue));
  auto scale = [&](auto f) { return Rgb{f(c.red), f(c.green), f(c.blue)}; };
  Rgb out;
  if (dd.Direct3D) {
    const int alpha = 255 - static_cast<int>(Sin(angle) * 255);
    out = scale([&](int v) { return uint8_t((v * (255 - alpha) + 127) / 255); });
  } else {
    const int level = static_cast<int>(Sin(angle) * 256);
    out = scale([&](int v) { return uint8_t((level * v) >> 8); });
  }
  return ShownColor(dd, out);
}

uint32_t Shown(const DrawDevice& dd) { return ComposeFrame(dd)[123 * 640 + 321]; }

TEST(Fade, CompletesOnTheSixteenthCallInEveryModeAndAgain) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    DrawDevice& dd = *t.dd;
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(CallsToComplete(dd, true), 16);
      EXPECT_EQ(Shown(dd), Expected(dd, 90));
      EXPECT_EQ(CallsToComplete(dd, false), 16);
      EXPECT_EQ(Shown(dd), Expected(dd, 0));
    }
    // finish = 1 completes on the call that carries it.
    EXPECT_TRUE(Step(dd, true, 1));
    EXPECT_EQ(Shown(dd), Expected(dd, 90));
    EXPECT_FALSE(Step(dd, false));
    EXPECT_TRUE(Step(dd, false, 1));
    EXPECT_EQ(Shown(dd), Expected(dd, 0));
  }
}

TEST(Fade, EachFrameShowsTheQuarterSineLevel) {
  for (const Mode& mode : kAllModes) {
    SCOPED_TRACE(mode.name);
    TestDevice t(mode);
    ASSERT_TRUE(t.ready);
    DrawDevice& dd = *t.dd;
    for (int call = 0; call < 16; ++call) {
      Step(dd, true);
      ASSERT_EQ(Shown(dd), Expected(dd, 6.0 * call)) << "fade-in call " << call + 1;
    }
    for (int call = 0; call < 16; ++call) {
      Step(dd, false);
      ASSERT_EQ(Shown(dd), Expected(dd, 90.0 - 6.0 * call)) << "fade-out call " << call + 1;
    }
  }
}

TEST(Fade, PlainPaletteFadeLeavesPixelsAndSnapshotFadeFreezesThePicture) {
  TestDevice t8({0, 8, "plain8"});
  ASSERT_TRUE(t8.ready);
  Step(*t8.dd, false);
  Step(*t8.dd, false);
  EXPECT_EQ(PixelAt(t8.dd->BackBuffer, 0, 0), uint32_t(kPicture));
  EXPECT_NE(t8.dd->ShownPalette[kPicture].red, t8.dd->TruePalette[kPicture].red);

  TestDevice t32({0, 32, "plain32"});
  ASSERT_TRUE(t32.ready);
  DrawDevice& dd = *t32.dd;
  Step(dd, false);  // snapshot of palette number 200
  DDClear(dd, dd.BackBuffer, 17);
  DDFadeOut(dd, dd.ShownPalette, 0, 255, 0, 0, 0, 6.0, dd.TruePalette, 0);
  EXPECT_EQ(Shown(dd), Expected(dd, 84));
}

// A fade completed at once must show the live picture, not the snapshot of
// an earlier fade.
TEST(Fade, FinishingAtOnceShowsTheCurrentPicture) {
  TestDevice t({0, 32, "plain32"});
  ASSERT_TRUE(t.ready);
  DrawDevice& dd = *t.dd;
  ASSERT_EQ(CallsToComplete(dd, true), 16);
  DDClear(dd, dd.BackBuffer, 17);
  EXPECT_TRUE(DDFadeIn(dd, dd.ShownPalette, 0, 255, 0, 0, 0, 6.0, dd.TruePalette, 1));
  EXPECT_EQ(Shown(dd), ShownPalNum(dd, 17));
}

}  // namespace
}  // namespace vh::draw::test
