// Runs the real frame step headless on the generated data folder and checks
// the game's speed against FrameRate on the virtual clock.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/FrameStep.h"
#include "app/startup/InitApp.h"
#include "app/startup/ShutdownApp.h"

namespace vh::app {
namespace {

struct SpeedCase {
  int direct3D;
  int vsync;
  int frameRate;
};

class GameSpeed : public ::testing::TestWithParam<SpeedCase> {};

// With V-sync on, presentation may wait for a display faster than FrameRate;
// the pacer must still hold the game to FrameRate.
TEST_P(GameSpeed, FollowsFrameRateWhateverTheRendererAndVSync) {
  const SpeedCase c = GetParam();
  std::filesystem::current_path(VH_GAME_DIR);
  platform::PlatformOptions platformOptions;
  platformOptions.kind = platform::BackendKind::Headless;
  std::string error;
  auto platform = platform::CreatePlatform(platformOptions, error);
  ASSERT_NE(platform, nullptr) << error;
  AppState app(AppOptions{}, std::move(platform));
  ASSERT_TRUE(InitApp(app));
  app.draw->Direct3D = c.direct3D;
  app.draw->VSync = c.vsync;
  app.FrameRate = c.frameRate;

  const int frames = c.frameRate * 4;
  const uint32_t start = app.platform->NowMs();
  for (int i = 0; i < frames; ++i) {
    RunFrame(app);
    app.platform->SleepMs(1);
  }
  const double seconds = (app.platform->NowMs() - start) / 1000.0;
  const double fps = frames / seconds;
  // The millisecond pacer rounds the interval down (62.5 at 60); the
  // fractional one forgives lateness at each second's end.
  EXPECT_GE(fps, c.frameRate * 0.98);
  EXPECT_LE(fps, c.frameRate * 1.06);
  ShutdownApp(app);
}

INSTANTIATE_TEST_SUITE_P(Renderers, GameSpeed,
                         ::testing::Values(SpeedCase{0, 0, 60}, SpeedCase{1, 0, 60},
                                           SpeedCase{1, 1, 60}, SpeedCase{1, 1, 30},
                                           SpeedCase{0, 0, 120}, SpeedCase{1, 1, 120}));

}  // namespace
}  // namespace vh::app
