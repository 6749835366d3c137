#include "input/Mouse.h"

#include <gtest/gtest.h>

#include "FakeDevices.h"

namespace vh::input {
namespace {

TEST(Mouse, DownPressAndReleaseAcrossCalls) {
  struct Step {
    bool left, right;
    bool pressedL, pressedR, releasedL, releasedR;
  };
  const Step steps[] = {
      {false, false, false, false, false, false},
      {true, false, true, false, false, false},
      {true, true, false, true, false, false},
      {false, true, false, false, true, false},
      {false, false, false, false, false, true},
      {true, false, true, false, false, false},
  };
  test::FakeDevices devices;
  MouseState mouse;
  int i = 0;
  for (const Step& s : steps) {
    devices.mouse = {100 + i, 200 - i, s.left, s.right};
    ReadMouse(mouse, devices);
    EXPECT_EQ(mouse.x, 100 + i);
    EXPECT_EQ(mouse.y, 200 - i);
    EXPECT_EQ(mouse.left, s.left) << i;
    EXPECT_EQ(mouse.right, s.right) << i;
    EXPECT_EQ(mouse.leftPressed, s.pressedL) << i;
    EXPECT_EQ(mouse.rightPressed, s.pressedR) << i;
    EXPECT_EQ(mouse.leftReleased, s.releasedL) << i;
    EXPECT_EQ(mouse.rightReleased, s.releasedR) << i;
    ++i;
  }
}

TEST(Mouse, FlagsSelectWhatIsReported) {
  test::FakeDevices devices;
  MouseState mouse;
  devices.mouse = {0, 0, true, false};
  ReadMouse(mouse, devices, kMouseReleased);
  EXPECT_FALSE(mouse.left);
  EXPECT_FALSE(mouse.leftPressed);
  // The press happened at the previous call, so it is no longer an edge.
  ReadMouse(mouse, devices, kMouseDown | kMousePressed);
  EXPECT_TRUE(mouse.left);
  EXPECT_FALSE(mouse.leftPressed);
  devices.mouse.left = false;
  ReadMouse(mouse, devices, kMouseDown | kMousePressed);
  EXPECT_FALSE(mouse.leftReleased);
}

}  // namespace
}  // namespace vh::input
