#include "app/startup/DisplayMode.h"

#include <gtest/gtest.h>

namespace vh::app {
namespace {

struct ResolveCase {
  int direct3D, window, bpp, vsync;
  DisplayMode expected;
};

class ResolveDisplay : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveDisplay, AppliesTheStartUpRules) {
  const ResolveCase c = GetParam();
  const DisplayMode got = ResolveDisplayMode(c.direct3D, c.window, c.bpp, c.vsync, 32);
  EXPECT_EQ(got.direct3D, c.expected.direct3D);
  EXPECT_EQ(got.windowed, c.expected.windowed);
  EXPECT_EQ(got.colorBits, c.expected.colorBits);
  EXPECT_EQ(got.vsync, c.expected.vsync);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResolveDisplay,
    ::testing::Values(
        // accelerated: automatic V-sync becomes on; automatic depth follows the desktop in a window
        ResolveCase{1, 1, 0, 2, {1, 1, 32, 1}}, ResolveCase{1, 0, 0, 0, {1, 0, 32, 0}},
        // software in a window: V-sync forced off
        ResolveCase{0, 5, 16, 1, {0, 1, 16, 0}},
        // software full screen: automatic depth 8, automatic V-sync off
        ResolveCase{0, 0, 0, 2, {0, 0, 8, 0}}, ResolveCase{0, 0, 32, 1, {0, 0, 32, 1}}));

struct ValidateCase {
  int direct3D, windowed, bits;
  const char* message;  // null = valid
};

class ValidateDisplay : public ::testing::TestWithParam<ValidateCase> {};

TEST_P(ValidateDisplay, FollowsTheTable) {
  const ValidateCase c = GetParam();
  const DisplayMode mode{c.direct3D, c.windowed, c.bits, 0};
  const auto message = ValidateDisplayMode(mode, 32);
  if (c.message == nullptr) {
    EXPECT_FALSE(message.has_value());
  } else {
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValidateDisplay,
    ::testing::Values(ValidateCase{1, 0, 16, nullptr}, ValidateCase{1, 0, 32, nullptr},
                      ValidateCase{1, 1, 32, nullptr}, ValidateCase{1, 1, 16, kDisplayModeMessageA},
                      ValidateCase{1, 0, 8, kDisplayModeMessageB},
                      ValidateCase{1, 1, 24, kDisplayModeMessageB},
                      ValidateCase{0, 0, 8, nullptr}, ValidateCase{0, 1, 8, kDisplayModeMessageB},
                      ValidateCase{0, 0, 16, nullptr}, ValidateCase{0, 1, 16, kDisplayModeMessageA},
                      ValidateCase{0, 1, 32, nullptr}, ValidateCase{0, 1, 24, kDisplayModeMessageB},
                      ValidateCase{0, 0, 24, kDisplayModeMessageB}));

}  // namespace
}  // namespace vh::app
