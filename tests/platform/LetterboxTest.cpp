#include "platform/Letterbox.h"

#include <gtest/gtest.h>

namespace vh::platform {
namespace {

TEST(Letterbox, FitsTheLargestWholeScaleCentred) {
  const struct {
    int outW, outH;
    Viewport expected;
  } kCases[] = {
      {640, 480, {0, 0, 640, 480}},
      {1920, 1080, {320, 60, 1280, 960}},  // 2x, bars on all sides
      {1279, 959, {319, 239, 640, 480}},   // just short of 2x stays 1x
      {2560, 1440, {320, 0, 1920, 1440}},  // 3x fills the height exactly
      {320, 240, {0, 0, 320, 240}},        // smaller than the picture: shrunk to fit
      {400, 240, {40, 0, 320, 240}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(::testing::Message() << c.outW << "x" << c.outH);
    const Viewport v = FitPicture(c.outW, c.outH);
    EXPECT_EQ(v.x, c.expected.x);
    EXPECT_EQ(v.y, c.expected.y);
    EXPECT_EQ(v.width, c.expected.width);
    EXPECT_EQ(v.height, c.expected.height);
  }
}

TEST(Letterbox, OutputPositionsMapBackIntoThePicture) {
  const Viewport v = FitPicture(1920, 1080);  // 2x at (320, 60)
  const struct {
    int x, y, px, py;
  } kCases[] = {
      {320, 60, 0, 0},       {321, 61, 0, 0},     {322, 62, 1, 1},
      {1599, 1019, 639, 479}, {0, 0, 0, 0},        // in the bars: clamped
      {1919, 1079, 639, 479}, {319, 59, 0, 0},     {-5, 2000, 0, 479},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
    const PicturePoint p = OutputToPicture(v, c.x, c.y);
    EXPECT_EQ(p.x, c.px);
    EXPECT_EQ(p.y, c.py);
  }
}

TEST(Letterbox, ComfortableWindowScaleLeavesRoomForTheFrame) {
  EXPECT_EQ(ComfortableWindowScale(1920, 1040), 2);
  EXPECT_EQ(ComfortableWindowScale(1366, 728), 1);
  EXPECT_EQ(ComfortableWindowScale(3840, 2100), 4);
  EXPECT_EQ(ComfortableWindowScale(800, 500), 1);  // never below 1
  EXPECT_EQ(ComfortableWindowScale(1300, 1000), 1);  // 2x would touch the edges
}

}  // namespace
}  // namespace vh::platform
