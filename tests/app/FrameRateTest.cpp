// Runs the real frame step headless on the generated data folder and checks
// the game's speed against FrameRate on the virtual clock.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "stage/ConstructionConfig.h"

#include "app/FrameStep.h"
#include "app/startup/InitApp.h"
#include "app/startup/ShutdownApp.h"
#include "app/HeadlessPlatform.h"

namespace vh::app {
namespace {

// Construction.cnst3p: the version "432", then the 100-byte record.
void WriteConstruction(const std::filesystem::path& file, const stage::ConstructionConfig& c) {
  std::ofstream out(file, std::ios::binary);
  out.write("432", 4);
  out.write(reinterpret_cast<const char*>(&c), sizeof c);
}

TEST(Construction, FixesTheFrameRateForTheWholeRun) {
  const auto root = std::filesystem::temp_directory_path() / "vh_construction_test";
  std::filesystem::remove_all(root);
  std::filesystem::copy(VH_GAME_DIR, root, std::filesystem::copy_options::recursive);
  stage::ConstructionConfig config = stage::DefaultConstructionConfig();
  config.fixedFrameRate = 1;
  config.frameRate = 30;
  config.musicEnabled = 0;
  std::filesystem::create_directories(root / "user_data");
  WriteConstruction(root / "user_data" / "Construction.cnst3p", config);
  std::filesystem::current_path(root);

  AppState app(AppOptions{}, HeadlessPlatform());
  ASSERT_TRUE(InitApp(app));
  EXPECT_EQ(app.FrameRate, 30);
  EXPECT_FALSE(app.sound->music.enabled);
  ShutdownApp(app);
  std::filesystem::remove_all(root);
}

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
  AppState app(AppOptions{}, HeadlessPlatform());
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
